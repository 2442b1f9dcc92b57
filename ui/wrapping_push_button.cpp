#include "ui/wrapping_push_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

WrappingPushButton::WrappingPushButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {}

void WrappingPushButton::paintEvent(QPaintEvent* /*event*/) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.state &= ~QStyle::State_On;

    // The style draws the bevel and the focus frame; the caption is drawn here, since the
    // style's own label never wraps.
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    QRect textRect = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (isDown()) {
        textRect.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                           style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    }
    painter.drawItemText(textRect, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic,
                         palette(), isEnabled(), caption, QPalette::ButtonText);
}
