#include "ui/main_layout.h"

#include "core/chain_constants.h"
#include "platform/qt_colour.h"
#include "sim/chain_view.h"
#include "ui/screen_placement.h"
#include "ui/window_scale.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace MainLayout {

namespace {

constexpr QRgb kViewBackground = toQRgb(Chain::kBackground);

// Neighbouring columns of panels are this many window units apart.
constexpr double kGap = 20;

// The top row of labels in the chain view, just below its upper edge, as a single-precision
// value like every coordinate of the view.
constexpr float kTopRowY = -2.8f;

// Height, Width and Top in window units; the Left follows by a rule of the caller.
void sizeAndTop(const WindowScale& scale, QWidget& control, double height, double width,
                double top) {
    scale.setHeight(control, height);
    scale.setWidth(control, width);
    scale.setTop(control, top);
}

// The information and end buttons side by side, above Frame7.
void placeButton(const WindowScale& scale, QWidget& button, double left) {
    scale.setWidth(button, 405);
    scale.setHeight(button, 200);
    scale.setTop(button, 2045);
    scale.setLeft(button, left);
}

// Left before Top, in the chain view's scale.
void placeInView(const ChainView& view, QWidget& control, float x, float y) {
    control.move(view.toPixel(x, 0).x(), control.y());
    control.move(control.x(), view.toPixel(0, y).y());
}

} // namespace

void layOut(QWidget& window, MainControls& c, const ScreenPlacement::ScreenMetrics& screen) {
    using namespace ScreenPlacement;
    window.move(cornerOf(screen));
    window.resize(clientSizeWithin(outerSize(screen), frameMarginsOf(window)));
    const WindowScale scale(window.size());

    ChainView& view = *c.Picture1;
    scale.setWidth(view, 4000);
    scale.setHeight(view, 2000);
    scale.setLeft(view, 0);
    scale.setTop(view, 2);
    view.setBackgroundColour(kViewBackground);

    // Four columns beneath the view: Frame1; Frame3 above Frame5; Frame2, Frame4 and Frame6;
    // the two buttons above Frame7. Each column starts at the read-back right edge of the one
    // before it.
    sizeAndTop(scale, *c.Frame1, 980, 1000, 2020);
    scale.setLeft(*c.Frame1, 0);
    sizeAndTop(scale, *c.Frame3, 480, 1200, 2020);
    scale.setLeft(*c.Frame3, scale.right(*c.Frame1) + kGap);
    sizeAndTop(scale, *c.Frame5, 480, 1200, 2520);
    scale.setLeft(*c.Frame5, scale.right(*c.Frame1) + kGap);
    sizeAndTop(scale, *c.Frame2, 320, 800, 2020);
    scale.setLeft(*c.Frame2, scale.right(*c.Frame3) + kGap);
    sizeAndTop(scale, *c.Frame4, 320, 800, 2340);
    scale.setLeft(*c.Frame4, scale.left(*c.Frame2));
    sizeAndTop(scale, *c.Frame6, 340, 800, 2660);
    scale.setLeft(*c.Frame6, scale.left(*c.Frame2));
    sizeAndTop(scale, *c.Frame7, 750, 830, 2250);
    scale.setLeft(*c.Frame7, scale.right(*c.Frame4) + kGap);

    placeButton(scale, *c.Command6, scale.right(*c.Frame4) + kGap);
    placeButton(scale, *c.Command10, scale.right(*c.Command6) + kGap);

    placeInView(view, *c.Label3, 1, kTopRowY);
    placeInView(view, *c.Label4, 85, kTopRowY);
    placeInView(view, *c.Label5, 85, 2.5f);
    placeInView(view, *c.Label6, 1, 2.4f);
    placeInView(view, *c.Label7, 25, kTopRowY);
    placeInView(view, *c.Label8, 75, kTopRowY);
}

} // namespace MainLayout
