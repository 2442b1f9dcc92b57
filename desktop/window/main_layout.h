#pragma once

#include "desktop/window/main_controls.h"
#include "desktop/window/screen_placement.h"

class QWidget;

// Where the main window and its controls go on the screen.
namespace MainLayout {

// Everything before the window is shown: places the window on the screen at its outer size,
// gives it its least size, and puts every control where the form puts it at that client size
// (see FormLayout).
void layOut(QWidget& window, const MainControls& controls,
            const ScreenPlacement::ScreenMetrics& screen);

// After the window's client area changed size (the user, or a window manager's frame): the
// window's children and the labels in the chain view go where the form puts them at the new
// size. What sits in a frame keeps its place; the tape's read-out and the keyboard's pointer
// stay where the view put them.
void fitTo(QWidget& window, const MainControls& controls);

} // namespace MainLayout
