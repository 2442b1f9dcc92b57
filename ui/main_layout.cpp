#include "ui/main_layout.h"

#include "core/chain_constants.h"
#include "instrument/form.h"
#include "instrument/form_layout.h"
#include "platform/qt_colour.h"
#include "platform/ui_metrics.h"
#include "sim/chain_view.h"
#include "ui/screen_placement.h"

#include <QWidget>

namespace MainLayout {

void layOut(QWidget& window, const MainControls& c, const ScreenPlacement::ScreenMetrics& screen) {
    using namespace ScreenPlacement;
    window.move(cornerOf(screen));
    window.resize(clientSizeWithin(outerSize(screen), frameMarginsOf(window)));
    c.view()->setBackgroundColour(toQRgb(Chain::kBackground));
    const FormLayout layout(window.width(), window.height(), UiMetrics::logicalDpiX(),
                            UiMetrics::logicalDpiY());
    for (const Form::Entry& e : Form::entries()) {
        const FormLayout::Box& box = layout[e.control];
        c[e.control]->setGeometry(box.x, box.y, box.width, box.height);
    }
}

} // namespace MainLayout
