#pragma once

#include "ui/main_controls.h"
#include "ui/screen_placement.h"

class QWidget;

// Where the main window and its controls go on the screen, applied once by the load handler.
namespace MainLayout {

// Everything before the window is shown: places the window on the screen at its outer size,
// gives its client area the window scale, and places the chain view, the panels, the two
// buttons and the labels inside the chain view by that scale.
void layOut(QWidget& window, MainControls& controls, const ScreenPlacement::ScreenMetrics& screen);

} // namespace MainLayout
