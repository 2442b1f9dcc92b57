#include "desktop/window/wrapping_push_button.h"

#include <QAccessibleWidget>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

namespace {

// A switch as a screen reader should hear it: a button with a pressed state. Qt's own interface
// for a checkable button reports a check box.
class ToggleButtonAccessible : public QAccessibleWidget {
public:
    explicit ToggleButtonAccessible(QAbstractButton* button)
        : QAccessibleWidget(button, QAccessible::Button) {}

    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = button()->isChecked();
        s.pressed = button()->isDown() || button()->isChecked();
        return s;
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return QString(button()->text()).remove(u'&');
        }
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override {
        return QStringList{toggleAction(), pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& name) override {
        if (name == toggleAction() || name == pressAction()) {
            if (widget()->isEnabled()) {
                button()->click();
            }
        } else {
            QAccessibleWidget::doAction(name);
        }
    }
};

QAccessibleInterface* toggleButtonFactory(const QString& /*key*/, QObject* object) {
    auto* button = qobject_cast<WrappingPushButton*>(object);
    return button != nullptr && button->isCheckable() ? new ToggleButtonAccessible(button)
                                                      : nullptr;
}

} // namespace

WrappingPushButton::WrappingPushButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {
    static const bool installed = [] {
        QAccessible::installFactory(toggleButtonFactory);
        return true;
    }();
    (void)installed;
}

void WrappingPushButton::paintEvent(QPaintEvent* /*event*/) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    // Checked, the style draws the button pressed in (sunken), as while it is held down.
    if (isChecked()) {
        option.state |= QStyle::State_Sunken;
    }

    // The style draws the bevel and the focus frame; the caption is drawn here, since the
    // style's own label never wraps.
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    QRect textRect = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (isDown() || isChecked()) {
        textRect.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                           style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    }
    painter.drawItemText(textRect, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic,
                         palette(), isEnabled(), caption, QPalette::ButtonText);
    if (isChecked()) {
        // The band makes the state plain where a style's sunken look is faint: a tenth of the
        // height, at least two pixels, inside the bevel.
        const int band = std::max(2, height() / 10);
        const QRect inside = rect().adjusted(3, 0, -3, -3);
        painter.fillRect(QRect(inside.left(), inside.bottom() - band + 1, inside.width(), band),
                         palette().color(QPalette::Highlight));
    }
}
