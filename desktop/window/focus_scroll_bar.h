#pragma once

#include <QScrollBar>

// A horizontal scroll bar that shows the keyboard focus, which the styles leave unshown on a
// scroll bar: while it has the focus, a frame in the highlight colour runs round it, two pixels
// wide at any style (more on a screen of higher resolution).
class FocusScrollBar : public QScrollBar {
    Q_OBJECT

public:
    explicit FocusScrollBar(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
