#include "desktop/platform/focus_mark.h"

#include <QFocusEvent>
#include <QPainter>

#include <algorithm>

FocusMark::FocusMark(QWidget& watched) : QWidget(watched.parentWidget()), watched_(watched) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    watched.installEventFilter(this);
}

bool FocusMark::eventFilter(QObject* /*watched*/, QEvent* event) {
    switch (event->type()) {
    case QEvent::FocusIn: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
            reason == Qt::ShortcutFocusReason) {
            showBelow();
        }
        break;
    }
    case QEvent::KeyPress:
        if (watched_.hasFocus() && isHidden()) {
            showBelow();
        }
        break;
    case QEvent::FocusOut:
        hide();
        break;
    case QEvent::Move:
    case QEvent::Resize:
        if (isVisible()) {
            showBelow();
        }
        break;
    default:
        break;
    }
    return false;
}

void FocusMark::showBelow() {
    const QRect target = watched_.geometry();
    // The free strip ends at the nearest sibling below that shares a column with the widget.
    int free = parentWidget()->height() - (target.bottom() + 1);
    for (const QObject* child : parentWidget()->children()) {
        const auto* sibling = qobject_cast<const QWidget*>(child);
        if (sibling == nullptr || sibling == this || sibling == &watched_ || sibling->isHidden() ||
            sibling->isWindow()) {
            continue;
        }
        const QRect g = sibling->geometry();
        if (g.top() > target.bottom() && g.left() <= target.right() && g.right() >= target.left()) {
            free = std::min(free, g.top() - (target.bottom() + 1));
        }
    }
    setGeometry(target.left(), target.bottom() + 1, target.width(),
                std::clamp(free, 2, kThickness));
    show();
    raise();
}

void FocusMark::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Highlight));
}
