#include "sim/keyboard_pointer.h"

#include "sim/chain_view.h"

#include <QPainter>

namespace {

// Large enough to find on a projected picture, small enough to leave the dots around it.
constexpr int kSize = 21;
constexpr int kArm = 3; // line width

} // namespace

KeyboardPointer::KeyboardPointer(ChainView& view) : QWidget(&view), view_(view) {
    setObjectName(QStringLiteral("KeyboardPointer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    resize(kSize, kSize);
    hide();
}

void KeyboardPointer::showAt(float x, float y) {
    move(view_.toPixel(x, y) - QPoint(kSize / 2, kSize / 2));
    show();
    raise();
}

void KeyboardPointer::paintEvent(QPaintEvent* /*event*/) {
    // Dark red on a white edge reads on the light view and on the black ticks alike.
    QPainter painter(this);
    const int mid = kSize / 2;
    painter.fillRect(mid - kArm / 2 - 1, 0, kArm + 2, kSize, Qt::white);
    painter.fillRect(0, mid - kArm / 2 - 1, kSize, kArm + 2, Qt::white);
    painter.fillRect(mid - kArm / 2, 1, kArm, kSize - 2, QColor(176, 0, 0));
    painter.fillRect(1, mid - kArm / 2, kSize - 2, kArm, QColor(176, 0, 0));
}
