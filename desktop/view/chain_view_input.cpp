#include "desktop/view/chain_view_input.h"

#include "desktop/view/chain_view.h"
#include "instrument/form.h"
#include "instrument/input_codes.h"
#include "instrument/instrument.h"
#include "language/language.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyleHints>
#include <QTouchEvent>

namespace {

using Key = ChainKeys::Key;

Key keyOf(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Up:
        return Key::Up;
    case Qt::Key_Down:
        return Key::Down;
    case Qt::Key_Left:
        return Key::Left;
    case Qt::Key_Right:
        return Key::Right;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Key::Enter;
    case Qt::Key_Space:
        return Key::Space;
    case Qt::Key_M:
        return Key::M;
    case Qt::Key_Escape:
        return Key::Escape;
    case Qt::Key_S:
        return Key::S;
    case Qt::Key_D:
        return Key::D;
    default:
        return Key::Other;
    }
}

int shiftOf(const QKeyEvent& event) {
    const Qt::KeyboardModifiers m = event.modifiers();
    return InputCodes::shiftCode(m & Qt::ShiftModifier, m & Qt::ControlModifier,
                                 m & Qt::AltModifier);
}

ChainTouch::Type typeOf(const QEvent& event) {
    switch (event.type()) {
    case QEvent::TouchBegin:
        return ChainTouch::Type::Begin;
    case QEvent::TouchEnd:
        return ChainTouch::Type::End;
    case QEvent::TouchCancel:
        return ChainTouch::Type::Cancel;
    default:
        return ChainTouch::Type::Update;
    }
}

ChainTouch::Point::State stateOf(const QEventPoint& point) {
    switch (point.state()) {
    case QEventPoint::Pressed:
        return ChainTouch::Point::State::Pressed;
    case QEventPoint::Released:
        return ChainTouch::Point::State::Released;
    case QEventPoint::Updated:
        return ChainTouch::Point::State::Moved;
    default:
        return ChainTouch::Point::State::Stationary;
    }
}

} // namespace

ChainViewInput::ChainViewInput(ChainView& view, Instrument& instrument, QLineEdit& tapeReadout)
    : view_(view), instrument_(instrument), viewName_(view.accessibleName()),
      tapeName_(QString::fromStdString(
          std::string(Language::translate(Form::entry(Role::kTapeReadout).accessibleName)))),
      tapeReadout_(tapeReadout) {
    view.setAttribute(Qt::WA_AcceptTouchEvents);
    view.installEventFilter(this);
    connect(&tapeReadout, &QLineEdit::textChanged, this, &ChainViewInput::readOutChanged);
}

bool ChainViewInput::eventFilter(QObject* /*watched*/, QEvent* event) {
    // What the rules draw goes to the screen at once.
    switch (event->type()) {
    case QEvent::KeyPress: {
        view_.beginDrawing();
        const bool taken = keyPress(*static_cast<QKeyEvent*>(event));
        view_.endDrawing();
        return taken;
    }
    case QEvent::KeyRelease:
        keyRelease(*static_cast<QKeyEvent*>(event));
        return false;
    case QEvent::FocusOut:
        view_.beginDrawing();
        instrument_.focusLost();
        view_.endDrawing();
        view_.setAccessibleName(viewName_);
        return false;
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel: {
        auto* touchEvent = static_cast<QTouchEvent*>(event);
        if (touchEvent->device() == nullptr ||
            touchEvent->device()->type() != QInputDevice::DeviceType::TouchScreen) {
            return false;
        }
        view_.beginDrawing();
        touch(*touchEvent);
        view_.endDrawing();
        // Taken, so the toolkit makes no mouse events of it as well.
        touchEvent->accept();
        return true;
    }
    default:
        return false;
    }
}

bool ChainViewInput::keyPress(const QKeyEvent& event) {
    return instrument_.keyPress(keyOf(event), shiftOf(event));
}

void ChainViewInput::keyRelease(const QKeyEvent& event) {
    instrument_.keyRelease(keyOf(event), shiftOf(event), event.isAutoRepeat());
}

void ChainViewInput::touch(const QTouchEvent& event) {
    points_.clear();
    for (const QEventPoint& point : event.points()) {
        points_.push_back({point.id(), stateOf(point), point.position().x(), point.position().y()});
    }
    instrument_.touch(
        typeOf(event), points_, event.timestamp(),
        {view_.width(), view_.height(), QGuiApplication::styleHints()->startDragDistance()});
}

void ChainViewInput::readOutChanged(const QString& text) {
    // The view has the focus, so a screen reader speaks its name when it changes.
    // A read-out put away (a new setup) takes its reading out of the name.
    if (view_.hasFocus()) {
        view_.setAccessibleName(tapeReadout_.isHidden()
                                    ? viewName_
                                    : viewName_ + QStringLiteral(", ") + tapeName_ + u' ' + text);
    }
}
