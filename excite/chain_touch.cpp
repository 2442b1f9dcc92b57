#include "excite/chain_touch.h"

#include "instrument/hand_and_tape.h"
#include "sim/chain_view.h"

#include <QGuiApplication>
#include <QStyleHints>
#include <QTouchEvent>

namespace {

constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;

} // namespace

ChainTouch::ChainTouch(ChainView& Picture1, HandAndTape& hand) : Picture1_(Picture1), hand_(hand) {
    Picture1.setAttribute(Qt::WA_AcceptTouchEvents);
    Picture1.installEventFilter(this);
}

bool ChainTouch::eventFilter(QObject* /*watched*/, QEvent* event) {
    switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel: {
        auto* touchEvent = static_cast<QTouchEvent*>(event);
        if (touchEvent->device() == nullptr ||
            touchEvent->device()->type() != QInputDevice::DeviceType::TouchScreen) {
            return false;
        }
        Picture1_.prepare();
        touch(*touchEvent);
        Picture1_.flush();
        // Taken, so the toolkit makes no mouse events of it as well.
        touchEvent->accept();
        return true;
    }
    default:
        return false;
    }
}

void ChainTouch::touch(const QTouchEvent& event) {
    if (event.type() == QEvent::TouchCancel) {
        if (phase_ == Phase::Held) {
            up(last_);
        }
        phase_ = Phase::None;
        return;
    }
    for (const QEventPoint& point : event.points()) {
        if (phase_ == Phase::None && point.state() == QEventPoint::Pressed) {
            phase_ = Phase::Undecided;
            finger_ = point.id();
            start_ = last_ = point.position();
            startTime_ = event.timestamp();
            continue;
        }
        if (point.id() != finger_) {
            continue;
        }
        const bool lifted = point.state() == QEventPoint::Released;
        if (phase_ == Phase::Undecided &&
            (lifted || (point.position() - start_).manhattanLength() >
                           QGuiApplication::styleHints()->startDragDistance())) {
            decide(event.timestamp());
        }
        if (phase_ == Phase::Held) {
            if (lifted) {
                up(point.position());
                phase_ = Phase::Finished;
            } else if (point.position() != last_) {
                move(point.position());
            }
        }
    }
    if (event.type() == QEvent::TouchEnd) {
        // All fingers are off the screen, whatever the points said.
        if (phase_ == Phase::Held) {
            up(last_);
        }
        phase_ = Phase::None;
        finger_ = -1;
    }
}

void ChainTouch::decide(quint64 timestamp) {
    button_ = timestamp - startTime_ >= kHoldMs ? kRightButton : kLeftButton;
    phase_ = Phase::Held;
    down(start_);
}

void ChainTouch::down(QPointF at) {
    hand_.Picture1_MouseDown(button_, 0, Picture1_.toUserX(at.x()), Picture1_.toUserY(at.y()));
}

void ChainTouch::move(QPointF at) {
    last_ = at;
    hand_.Picture1_MouseMove(button_, 0, Picture1_.toUserX(at.x()), Picture1_.toUserY(at.y()));
}

void ChainTouch::up(QPointF at) {
    hand_.Picture1_MouseUp(button_, 0, Picture1_.toUserX(at.x()), Picture1_.toUserY(at.y()));
}
