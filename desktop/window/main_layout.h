#pragma once

#include "desktop/window/main_controls.h"
#include "desktop/window/screen_placement.h"

class InstructionPanel;
class QWidget;
class TimeDiagramPanel;

// Where the main window and its controls go on the screen.
namespace MainLayout {

// The window's parts that the lesson's layout places besides the form's controls.
struct Tools {
    TimeDiagramPanel* diagram = nullptr;
    InstructionPanel* instruction = nullptr;
};

// Everything before the window is shown: places the window on the screen at its outer size,
// gives it its least size, what the lesson's layout needs with both tools open at their least
// (see FormLayout::leastClientSize), and puts every control where the form puts it at that
// client size.
void layOut(QWidget& window, const MainControls& controls, const Tools& tools,
            const ScreenPlacement::ScreenMetrics& screen);

// The window's least size on a screen whose client area is at most `client`: what the lesson's
// layout needs with both tools open at their least, or the whole client area where that is less.
void giveLeastSize(QWidget& window, const Tools& tools,
                   const ScreenPlacement::ScreenMetrics& screen, QSize client);

// After the window's client area changed size (the user, or a window manager's frame), or a
// tool opened or closed: the chain view, the open tools and the panels go where the lesson's
// layout puts them (see LessonLayout), the labels in the chain view where the form puts them in
// the view's box. What sits in a frame keeps its place; the tape's read-out and the keyboard's
// pointer stay where the view put them.
void fitTo(QWidget& window, const MainControls& controls, const Tools& tools);

} // namespace MainLayout
