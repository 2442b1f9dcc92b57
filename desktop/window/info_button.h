#pragma once

#include "desktop/window/info_window.h"
#include "instrument/info_pages.h"

#include <QObject>
#include <QPointer>

#include <map>
#include <optional>
#include <string_view>

// The information windows as the information button opens them: each page's window exists at
// most once; it is created on first use, shown again while it is open and destroyed when the
// student closes it. Both can be open at once.
class InfoButton : public QObject {
    Q_OBJECT

public:
    explicit InfoButton(QObject* parent = nullptr);
    // Windows still open close with the program.
    ~InfoButton() override;

    // Shows the window of `page` in front and not minimised. A new window of a page that opens
    // at the screen's corner goes there; one already open stays where it is. No page, no window.
    void show(const std::optional<InfoPage>& page);

private:
    std::map<std::string_view, QPointer<InfoWindow>> windows_;
};
