#include "desktop/view/keyboard_pointer.h"

#include "desktop/view/chain_view.h"

#include <QPainter>

namespace {

constexpr int kArm = 3; // line width

} // namespace

KeyboardPointer::KeyboardPointer(ChainView& view) : QWidget(&view), view_(view) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void KeyboardPointer::showAt(float x, float y) {
    move(view_.toPixel(x, y) - QPoint(width() / 2, height() / 2));
    show();
    raise();
}

void KeyboardPointer::paintEvent(QPaintEvent* /*event*/) {
    // Dark red on a white edge reads on the light view and on the black ticks alike.
    QPainter painter(this);
    // Its size is the form's.
    const int size = width();
    const int mid = size / 2;
    painter.fillRect(mid - kArm / 2 - 1, 0, kArm + 2, size, Qt::white);
    painter.fillRect(0, mid - kArm / 2 - 1, size, kArm + 2, Qt::white);
    painter.fillRect(mid - kArm / 2, 1, kArm, size - 2, QColor(176, 0, 0));
    painter.fillRect(1, mid - kArm / 2, size - 2, kArm, QColor(176, 0, 0));
}
