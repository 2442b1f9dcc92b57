#pragma once

#include <QImage>
#include <QWidget>

#include <cstdint>

class Instrument;
class QScrollBar;
class QTimer;

// The time diagram on the desktop: a tool window of its own beside the main window, on top of it,
// not modal. It shows the instrument's drawing of the diagram (TimeDiagram: the raster as it is,
// its labels in the window's font at the places the diagram gives) and a scroll bar for the
// span. It draws anew a few dozen times a second, and only when the diagram changed. For a screen
// reader the window is described by the diagram's words as it says them (TimeDiagram::spoken):
// when a ball is chosen or let go, when it opens and at A, not as the curves run on. F6 moves the
// keyboard between it and the main window, where its span bar takes the focus; Escape closes it.
class TimeDiagramWindow : public QWidget {
    Q_OBJECT

public:
    // `closed` is called when the student closes the window by its frame.
    TimeDiagramWindow(Instrument& instrument, QWidget& mainWindow, const QWidget& view);

    // Shown or hidden as the diagram's button says.
    void showIf(bool shown);
    // F6, in either window: the keyboard goes from the main window to the span bar, where the
    // diagram is open, and from the diagram back to the main window.
    void moveKeyboard();
    // The keys, as the diagram's button names them in its tooltip.
    static QString keyHint();

signals:
    void closedByFrame();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void place();
    void refresh();
    int plotHeight() const;

    Instrument& instrument_;
    const QWidget& view_; // the main window's chain view, which the window is placed over
    QScrollBar* span_;
    QTimer* timer_;
    std::uint64_t described_ = ~std::uint64_t(0); // the words last said, by their count
    std::uint64_t drawn_ = ~std::uint64_t(0);
    bool hiding_ = false;
    bool placed_ = false;
};
