#include "excite/chain_keys.h"

#include "core/chain_state.h"
#include "instrument/hand_and_tape.h"
#include "sim/chain_view.h"
#include "sim/keyboard_pointer.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;

constexpr int kUp = 1;
constexpr int kDown = 2;

// Steps in tenths of a unit: the hand and every vertical move, small and with Shift; the tape
// across, a whole unit and with Shift a tenth.
constexpr int kStepUpDown = 1;
constexpr int kShiftStepUpDown = 5;
constexpr int kStepAcross = 10;
constexpr int kShiftStepAcross = 1;

// The view's extent in tenths; the keys keep the end and the pointer within it.
constexpr int kLeftmost = 0;
constexpr int kRightmost = 1000;
constexpr int kTopmost = -30;
constexpr int kBottommost = 30;

// The end's x, where mass 0 is drawn.
constexpr float kEndX = 1;

float fromTenths(int tenths) {
    return static_cast<float>(tenths / 10.0);
}

// The tape's read-out cuts the distance down to the tenth below, computed from single-precision
// points: 10.4f - 10.3f lies just below 0.1 and would read 0. The keys count tenths, so the
// end is put on the nearest single-precision value that reads exactly the tenths counted.
float tapeEndFor(float origin, int tenths) {
    auto reads = [origin](float x) {
        return static_cast<int>(std::floor(10.0 * (double(x) - double(origin))));
    };
    const auto distance = tenths / 10.0;
    auto x = static_cast<float>(double(origin) + distance);
    for (int ulps = 0; ulps < 8 && reads(x) < tenths; ++ulps) {
        x = std::nextafter(x, HUGE_VALF);
    }
    for (int ulps = 0; ulps < 8 && reads(x) > tenths; ++ulps) {
        x = std::nextafter(x, -HUGE_VALF);
    }
    return x;
}

int shiftCode(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) + (modifiers & Qt::ControlModifier ? 2 : 0) +
           (modifiers & Qt::AltModifier ? 4 : 0);
}

bool endsTape(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space ||
           key == Qt::Key_M;
}

} // namespace

ChainKeys::ChainKeys(const ChainState& state, ChainView& Picture1, HandAndTape& hand,
                     QLineEdit& Text1)
    : state_(state), Picture1_(Picture1), hand_(hand), Text1_(Text1),
      pointer_(new KeyboardPointer(Picture1)), viewName_(Picture1.accessibleName()) {
    Picture1.installEventFilter(this);
    connect(&Text1, &QLineEdit::textChanged, this, &ChainKeys::readOutChanged);
}

QString ChainKeys::keyList() {
    return QStringLiteral(
        "Tastatur: Pfeil auf/ab bewegt das feste Ende (mit Umschalt in größeren Schritten), "
        "Loslassen lässt es los. M zeigt den Zeiger für das Messband; die Pfeiltasten "
        "bewegen ihn, Eingabe oder Leertaste legt das Messband an, Pfeil links/rechts rollt "
        "es in ganzen Einheiten ab (mit Umschalt in Zehnteln), Eingabe oder Escape beendet es. "
        "Berührung: mit einem Finger das feste Ende ziehen; den Finger eine halbe Sekunde "
        "still halten und dann ziehen legt das Messband an.");
}

bool ChainKeys::eventFilter(QObject* /*watched*/, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress: {
        Picture1_.prepare();
        const bool taken = keyPress(*static_cast<QKeyEvent*>(event));
        Picture1_.flush();
        return taken;
    }
    case QEvent::KeyRelease:
        keyRelease(*static_cast<QKeyEvent*>(event));
        return false;
    case QEvent::FocusOut:
        // A key released elsewhere never reaches the view.
        Picture1_.prepare();
        letGo();
        Picture1_.flush();
        Picture1_.setAccessibleName(viewName_);
        return false;
    default:
        return false;
    }
}

bool ChainKeys::keyPress(const QKeyEvent& event) {
    const int key = event.key();
    const bool shifted = (event.modifiers() & Qt::ShiftModifier) != 0;
    const int shift = shiftCode(event.modifiers());
    const int upDown = shifted ? kShiftStepUpDown : kStepUpDown;
    const int across = shifted ? kShiftStepAcross : kStepAcross;
    switch (mode_) {
    case Mode::Hand:
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            if (heldKeys_ == 0) {
                hand_.Picture1_MouseDown(kLeftButton, shift, kEndX, state_.y[0]);
            }
            heldKeys_ |= key == Qt::Key_Up ? kUp : kDown;
            moveEnd(key == Qt::Key_Up ? -upDown : upDown, shift);
            return true;
        }
        if (key == Qt::Key_M) {
            letGo();
            mode_ = Mode::Pointing;
            movePointer(0, 0);
            return true;
        }
        return false;
    case Mode::Pointing:
        switch (key) {
        case Qt::Key_Left:
            movePointer(-across, 0);
            return true;
        case Qt::Key_Right:
            movePointer(across, 0);
            return true;
        case Qt::Key_Up:
            movePointer(0, -upDown);
            return true;
        case Qt::Key_Down:
            movePointer(0, upDown);
            return true;
        case Qt::Key_Escape:
            letGo();
            return true;
        default:
            if (endsTape(key)) {
                layTape(shift);
                return true;
            }
            return false;
        }
    case Mode::Tape:
        if (key == Qt::Key_Left || key == Qt::Key_Right) {
            unroll(key == Qt::Key_Left ? -across : across, shift);
            return true;
        }
        if (endsTape(key) || key == Qt::Key_Escape) {
            endTape(shift);
            return true;
        }
        // Up and Down would move the pointer off the tape's line; they do nothing here.
        return key == Qt::Key_Up || key == Qt::Key_Down;
    }
    return false;
}

void ChainKeys::keyRelease(const QKeyEvent& event) {
    // A held key repeats as pairs of release and press, marked as repeats.
    if (event.isAutoRepeat() || heldKeys_ == 0) {
        return;
    }
    if (event.key() == Qt::Key_Up || event.key() == Qt::Key_Down) {
        heldKeys_ &= ~(event.key() == Qt::Key_Up ? kUp : kDown);
        if (heldKeys_ == 0) {
            hand_.Picture1_MouseUp(kLeftButton, shiftCode(event.modifiers()), kEndX, state_.y[0]);
        }
    }
}

void ChainKeys::moveEnd(int tenths, int shift) {
    // From wherever the end is (the mouse or the drive may have put it between the tenths, or
    // beyond the view) to the next tenths along the grid, never further out than the view.
    const double now = std::round(double(state_.y[0]) * 10.0);
    double target = now + tenths;
    if (target > kBottommost) {
        target = std::max(now, double(kBottommost));
    } else if (target < kTopmost) {
        target = std::min(now, double(kTopmost));
    }
    hand_.Picture1_MouseMove(kLeftButton, shift, kEndX, static_cast<float>(target / 10.0));
}

void ChainKeys::movePointer(int dx, int dy) {
    pointerX_ = std::clamp(pointerX_ + dx, kLeftmost, kRightmost);
    pointerY_ = std::clamp(pointerY_ + dy, kTopmost, kBottommost);
    pointer_->showAt(fromTenths(pointerX_), fromTenths(pointerY_));
}

void ChainKeys::layTape(int shift) {
    mode_ = Mode::Tape;
    tapeEnd_ = pointerX_;
    const float x = fromTenths(pointerX_);
    const float y = fromTenths(pointerY_);
    hand_.Picture1_MouseDown(kRightButton, shift, x, y);
    hand_.Picture1_MouseMove(kRightButton, shift, x, y);
}

void ChainKeys::unroll(int tenths, int shift) {
    tapeEnd_ = std::clamp(tapeEnd_ + tenths, kLeftmost, kRightmost);
    const float end = tapeEndFor(fromTenths(pointerX_), tapeEnd_ - pointerX_);
    hand_.Picture1_MouseMove(kRightButton, shift, end, fromTenths(pointerY_));
    pointer_->showAt(end, fromTenths(pointerY_));
}

void ChainKeys::endTape(int shift) {
    const float end = tapeEndFor(fromTenths(pointerX_), tapeEnd_ - pointerX_);
    hand_.Picture1_MouseUp(kRightButton, shift, end, fromTenths(pointerY_));
    // The next tape starts where this one ended, one wavelength after the other.
    pointerX_ = tapeEnd_;
    mode_ = Mode::Hand;
    pointer_->hide();
}

void ChainKeys::letGo() {
    if (heldKeys_ != 0) {
        heldKeys_ = 0;
        hand_.Picture1_MouseUp(kLeftButton, 0, kEndX, state_.y[0]);
    }
    if (mode_ == Mode::Tape) {
        endTape(0);
    }
    mode_ = Mode::Hand;
    pointer_->hide();
}

void ChainKeys::readOutChanged(const QString& text) {
    // The view has the focus, so a screen reader speaks its name when it changes.
    if (Picture1_.hasFocus()) {
        Picture1_.setAccessibleName(viewName_ + QStringLiteral(", Messband ") + text);
    }
}
