#pragma once

#include "ui/main_controls.h"
#include "ui/screen_placement.h"

#include <QString>

class QWidget;

// The main window's controls with their design settings, and the layout that the load handler
// applies once at start-up.
namespace MainLayout {

// "Zarvel", 90 blanks, the credit line.
QString windowCaption();

// Gives the window its caption and font and creates every control as a child of it, with
// captions, initial texts, fonts, colours, scroll-bar settings, the fixed-unit places of the
// controls inside the panels, the accessible names and the keyboard focus order.
MainControls createControls(QWidget& window);

// Everything before the window is shown: places the window on the screen at its outer size,
// gives its client area the window scale, and places the chain view, the panels, the two
// buttons and the labels inside the chain view by that scale.
void layOut(QWidget& window, MainControls& controls, const ScreenPlacement::ScreenMetrics& screen);

} // namespace MainLayout
