#include "desktop/window/main_layout.h"

#include "desktop/platform/ui_metrics.h"
#include "desktop/window/screen_placement.h"
#include "instrument/form.h"
#include "instrument/form_layout.h"

#include <QWidget>

namespace MainLayout {

namespace {

FormLayout layoutOf(const QWidget& window) {
    return {window.width(), window.height(), UiMetrics::logicalDpiX(), UiMetrics::logicalDpiY()};
}

void place(const MainControls& c, const FormLayout& layout, bool fixedToo) {
    for (const Form::Entry& e : Form::entries()) {
        if (fixedToo || e.placement != Form::Placement::Fixed) {
            const FormLayout::Box& box = layout[e.control];
            c[e.control]->setGeometry(box.x, box.y, box.width, box.height);
        }
    }
}

} // namespace

void layOut(QWidget& window, const MainControls& c, const ScreenPlacement::ScreenMetrics& screen) {
    using namespace ScreenPlacement;
    const FormLayout::Size least = FormLayout::leastClientSize(
        screen.dpiX, screen.dpiY, {true, 180, 300, {}}, {true, 110, 300, {}},
        {screen.geometry.width(), screen.geometry.height()});
    window.setMinimumSize(least.width, least.height);
    window.move(cornerOf(screen));
    window.resize(clientSizeWithin(outerSize(screen), frameMarginsOf(window)));
    place(c, layoutOf(window), true);
}

void fitTo(QWidget& window, const MainControls& c) {
    place(c, layoutOf(window), false);
}

} // namespace MainLayout
