#include "desktop/window/opaque_text_box.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

OpaqueTextBox::OpaqueTextBox(const QString& text, QWidget* parent) : QLineEdit(text, parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool OpaqueTextBox::event(QEvent* event) {
    const bool handled = QLineEdit::event(event);
    // A style sheet on a panel above polishes its children afresh and may take the attribute.
    if (event->type() == QEvent::Polish || event->type() == QEvent::StyleChange) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    return handled;
}

void OpaqueTextBox::changeEvent(QEvent* event) {
    // Digits and a comma need no shaping, and are drawn the same without it; a new value is
    // then laid out at a fraction of the cost.
    if (event->type() == QEvent::FontChange && !(font().styleStrategy() & QFont::PreferNoShaping)) {
        QFont unshaped = font();
        unshaped.setStyleStrategy(QFont::PreferNoShaping);
        setFont(unshaped);
    }
    QLineEdit::changeEvent(event);
}

void OpaqueTextBox::paintEvent(QPaintEvent* event) {
    {
        QPainter surface(this);
        surface.fillRect(event->rect(), palette().window());
    }
    QLineEdit::paintEvent(event);
}
