#pragma once

#include "ui/main_controls.h"

#include <QRect>
#include <QSize>
#include <QString>

class QWidget;

// The main window's controls with their design settings, and the layout that the load handler
// applies once at start-up.
namespace MainLayout {

// "Zarvel", 90 blanks, the credit line.
QString windowCaption();

// What the layout needs to know of the screen: its rectangle in pixels and its logical
// resolution, which relates pixels to fixed units of 1/1440 inch.
struct ScreenMetrics {
    QRect geometry;
    double dpiX = 96;
    double dpiY = 96;

    static ScreenMetrics primary();
};

// The window's outer size: the screen's width and 0.96 of its height.
QSize outerSize(const ScreenMetrics& screen);

// Gives the window its caption and font and creates every control as a child of it, with
// captions, initial texts, fonts, colours, scroll-bar settings, the fixed-unit places of the
// controls inside the panels, the accessible names and the keyboard focus order.
MainControls createControls(QWidget& window);

// Everything before the window is shown: places the window on the screen at its outer size,
// gives its client area the window scale, and places the chain view, the panels, the two
// buttons and the labels inside the chain view by that scale.
void layOut(QWidget& window, MainControls& controls, const ScreenMetrics& screen);

// After the window is shown: moves it to its corner again. A window manager may have given
// it a frame other than the one the layout allowed for; then the window's size is corrected so
// that the frame still spans the outer size. The controls stay where the layout put them.
void placeShownWindow(QWidget& window, const ScreenMetrics& screen);

// A window manager adds its frame only after the window is shown, while the run loop already
// runs. From then on, whenever the window hears of a frame other than the one it was last
// placed with (a move, a resize or an expose after the manager has taken the window in), the
// window is placed again, so that the frame, title bar included, sits at the corner and spans
// the outer size. Without a window manager the frame stays empty and nothing moves.
void keepPlacedWithinFrame(QWidget& window, const ScreenMetrics& screen);

} // namespace MainLayout
