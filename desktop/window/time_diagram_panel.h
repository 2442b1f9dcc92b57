#pragma once

#include "instrument/lesson_layout.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <cstdint>

class Instrument;
class QPushButton;
class QScrollBar;
class QTimer;

// The time diagram on the desktop: a part of the main window, placed there by the lesson's
// layout beside or beneath the chain view, or, where a teacher detached it, a tool window of its
// own, kept clear of the chain view. It shows the instrument's drawing of the diagram
// (TimeDiagram: the raster as it is, its labels in the window's font at the places the diagram
// gives) above a bar with a scroll bar for the span and the button that detaches it or takes it
// back. It draws anew a few dozen times a second, and only when the diagram changed. For a screen
// reader it is described by the diagram's words as it says them (TimeDiagram::spoken): when a
// ball is chosen or let go, when it opens and at A, not as the curves run on. F6 moves the
// keyboard between it and the main controls, where its span bar takes the focus; Escape closes
// it.
class TimeDiagramPanel : public QWidget {
    Q_OBJECT

public:
    TimeDiagramPanel(Instrument& instrument, QWidget& mainWindow, QWidget& view);

    // Shown or hidden as the diagram's button says.
    void showIf(bool shown);
    // F6: the keyboard goes from the main controls to the span bar, where the diagram is open,
    // and from the diagram back to the control it came from.
    void moveKeyboard();
    // The keys, as the diagram's button names them in its tooltip.
    static QString keyHint();

    // Whether it is a window of its own rather than a part of the main window.
    bool detached() const { return isWindow(); }
    void setDetached(bool detached);
    // Its heights in the main window's layout: the bar and a plot of at least 110 pixels with
    // its axis labels, up to a plot that shows the curves' shape well.
    LessonLayout::Tool tool() const;

signals:
    void closedByFrame();
    // It opened, closed, or left or joined the main window: the layout is to be made anew.
    void placeChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void placeClearOfView();
    void refresh();
    void keyboardBack();
    int barHeight() const;
    int plotHeight() const;

    Instrument& instrument_;
    QWidget& view_; // the main window's chain view, which a detached diagram keeps clear of
    QScrollBar* span_;
    QPushButton* detach_;
    QTimer* timer_;
    QPointer<QWidget> cameFrom_;                  // where F6 takes the keyboard back to
    std::uint64_t described_ = ~std::uint64_t(0); // the words last said, by their count
    std::uint64_t drawn_ = ~std::uint64_t(0);
    bool hiding_ = false;
};
