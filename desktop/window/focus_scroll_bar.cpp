#include "desktop/window/focus_scroll_bar.h"

#include <QPainter>

#include <algorithm>

FocusScrollBar::FocusScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {
    setFocusPolicy(Qt::StrongFocus);
}

void FocusScrollBar::paintEvent(QPaintEvent* event) {
    QScrollBar::paintEvent(event);
    if (!hasFocus()) {
        return;
    }
    QPainter painter(this);
    const int width = std::max(2, logicalDpiY() / 48);
    QPen pen(palette().color(QPalette::Highlight), width);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const qreal inset = width / 2.0;
    painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
}
