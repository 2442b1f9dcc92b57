#pragma once

#include "ui/main_controls.h"

class QWidget;

// The main window's controls with their design settings, and the layout that the load handler
// applies once at start-up.
namespace MainLayout {

// Creates every control as a child of the window, with captions, initial texts, fonts, colours
// and scroll-bar settings.
MainControls createControls(QWidget& window);

// Places the window on the screen and its controls inside it (everything before the window is
// shown).
void layOut(QWidget& window, MainControls& controls);

} // namespace MainLayout
