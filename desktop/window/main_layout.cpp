#include "desktop/window/main_layout.h"

#include "desktop/platform/ui_metrics.h"
#include "desktop/window/instruction_panel.h"
#include "desktop/window/screen_placement.h"
#include "desktop/window/time_diagram_panel.h"
#include "instrument/form.h"
#include "instrument/form_layout.h"
#include "instrument/lesson_layout.h"

#include <QWidget>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <utility>

namespace MainLayout {

namespace {

// A box of the lesson's layout in whole pixels, each edge rounded on its own, so that boxes
// apart stay apart.
QRect pixelsOf(const LessonLayout::Box& box) {
    const int left = int(std::lround(box.x));
    const int top = int(std::lround(box.y));
    return {left, top, int(std::lround(box.right())) - left, int(std::lround(box.bottom())) - top};
}

void place(const MainControls& c, const FormLayout& layout, bool fixedToo) {
    for (const Form::Entry& e : Form::entries()) {
        if (fixedToo || e.placement != Form::Placement::Fixed) {
            const FormLayout::Box& box = layout[e.control];
            c[e.control]->setGeometry(box.x, box.y, box.width, box.height);
        }
    }
}

void placeTool(QWidget* tool, const LessonLayout::Box& box) {
    if (tool != nullptr && !box.empty()) {
        tool->setGeometry(pixelsOf(box));
    }
}

// The tools as their widgets measure them, closed where there is none.
std::pair<LessonLayout::Tool, LessonLayout::Tool> measured(const Tools& tools) {
    return {tools.diagram != nullptr ? tools.diagram->tool() : LessonLayout::Tool{},
            tools.instruction != nullptr ? tools.instruction->tool() : LessonLayout::Tool{}};
}

void layOutAll(QWidget& window, const MainControls& c, const Tools& tools, bool fixedToo) {
    const double dpiX = UiMetrics::logicalDpiX();
    const double dpiY = UiMetrics::logicalDpiY();
    const int width = window.width();
    const int height = window.height();
    LessonLayout::Needs needs = FormLayout::lessonNeeds(width, height, dpiX, dpiY);
    std::tie(needs.diagram, needs.instruction) = measured(tools);
    const LessonLayout lesson(needs);
    const QRect view = pixelsOf(lesson.view());
    const FormLayout form(int(std::lround(lesson.panels().width)), height, dpiX, dpiY,
                          {view.x(), view.y(), view.width(), view.height()});
    place(c, form, fixedToo);
    placeTool(tools.diagram, lesson.diagram());
    placeTool(tools.instruction, lesson.instruction());
}

} // namespace

void giveLeastSize(QWidget& window, const Tools& tools,
                   const ScreenPlacement::ScreenMetrics& screen, QSize client) {
    const auto [diagram, instruction] = measured(tools);
    const FormLayout::Size least = FormLayout::leastClientSize(
        screen.dpiX, screen.dpiY, diagram, instruction, {client.width(), client.height()});
    // On a screen too small for the lesson's least, the window still fits it, and the layout
    // does the best it can there.
    window.setMinimumSize(QSize(least.width, least.height).boundedTo(client));
}

void layOut(QWidget& window, const MainControls& c, const Tools& tools,
            const ScreenPlacement::ScreenMetrics& screen) {
    using namespace ScreenPlacement;
    const QSize client = clientSizeWithin(outerSize(screen), frameMarginsOf(window));
    giveLeastSize(window, tools, screen, client);
    window.move(cornerOf(screen));
    window.resize(client);
    layOutAll(window, c, tools, true);
}

void fitTo(QWidget& window, const MainControls& c, const Tools& tools) {
    layOutAll(window, c, tools, false);
}

} // namespace MainLayout
