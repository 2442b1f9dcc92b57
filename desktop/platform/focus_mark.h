#pragma once

#include <QWidget>

// A band in the highlight colour just below a widget, shown while that widget has the keyboard
// focus and the student works it by keyboard: focus that came with Tab, Shift+Tab or a
// shortcut, or a key pressed in it. Focus taken by a mouse click, or given by the window system
// when the window opens, shows nothing until a key is pressed, so a mouse user sees the window
// as before. The band lies outside the widget and never covers it; it fills the free strip
// beneath it up to the next control, at most kThickness pixels.
class FocusMark : public QWidget {
    Q_OBJECT

public:
    static constexpr int kThickness = 6;

    // A child of the widget's parent. It watches the widget's keys without taking any, so it
    // must be made after every event filter of the widget that takes keys.
    explicit FocusMark(QWidget& watched);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void showBelow();

    QWidget& watched_;
};
