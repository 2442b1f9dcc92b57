#pragma once

#include "ui/main_controls.h"
#include "ui/screen_placement.h"

class QWidget;

// Where the main window and its controls go on the screen, applied once by the load handler.
namespace MainLayout {

// Everything before the window is shown: places the window on the screen at its outer size
// and every control where the form puts it at that client size (see FormLayout).
void layOut(QWidget& window, const MainControls& controls,
            const ScreenPlacement::ScreenMetrics& screen);

} // namespace MainLayout
