#pragma once

#include "ui/info_window.h"

#include <QObject>
#include <QPointer>

struct ChainState;

// The information button: shows the window that explains the chain type in use. Each window
// exists at most once; it is created on first use, shown again while it is open and destroyed
// when the student closes it. Both can be open at once.
class InfoButton : public QObject {
    Q_OBJECT

public:
    // Reads only `selfCoeff`.
    explicit InfoButton(const ChainState& state, QObject* parent = nullptr);
    // Windows still open close with the program.
    ~InfoButton() override;

    // With the torsion chain shows "OndixInfTor", with the pendulum chain "OndixInfPen", in front
    // and not minimised. A new "OndixInfTor" opens at the screen's top-left corner; one already
    // open stays where it is.
    void Command6_Click();

private:
    void show(QPointer<InfoWindow>& window, InfoWindow::Page page);

    const ChainState& state_;
    QPointer<InfoWindow> torsion_;
    QPointer<InfoWindow> pendulum_;
};
