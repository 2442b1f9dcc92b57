#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <functional>

class QWidget;

// Where the program's windows stand on the screen: the screen's metrics, the corner both the
// main window and the torsion chain's information window start from, and the main window's
// outer size and place, kept when a window manager frames it.
namespace ScreenPlacement {

// What the placement needs to know of the screen: its rectangle in pixels and its logical
// resolution, which relates pixels to fixed units of 1/1440 inch.
struct ScreenMetrics {
    QRect geometry;
    double dpiX = 96;
    double dpiY = 96;

    static ScreenMetrics primary();
};

// One fixed unit from the screen's top-left corner, where the windows' top-left corners go.
QPoint cornerOf(const ScreenMetrics& screen);

// The frame the window system puts around a window; empty before a window manager has taken
// the window in, and without one.
QMargins frameMarginsOf(QWidget& window);

// The client area left within an outer size by a frame.
QSize clientSizeWithin(const QSize& outer, const QMargins& frame);

// The main window's outer size: the screen's width and 0.96 of its height.
QSize outerSize(const ScreenMetrics& screen);

// After the window is shown: moves it to its corner again. A window manager may have given
// it a frame other than the one the layout allowed for; then the window's size is corrected so
// that the frame still spans the outer size. The controls stay where the layout put them.
void placeShownWindow(QWidget& window, const ScreenMetrics& screen);

// A window manager adds its frame only after the window is shown, while the run loop already
// runs. From then on, whenever the window hears of a frame other than the one it was last
// placed with (a move, a resize or an expose after the manager has taken the window in), the
// window is placed again, so that the frame, title bar included, sits at the corner and spans
// the outer size. Without a window manager the frame stays empty and nothing moves. `framed`,
// where given, is called first with the client area the frame leaves.
void keepPlacedWithinFrame(QWidget& window, const ScreenMetrics& screen,
                           std::function<void(QSize client)> framed = {});

} // namespace ScreenPlacement
