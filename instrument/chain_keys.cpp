#include "instrument/chain_keys.h"

#include "core/chain_constants.h"
#include "core/chain_state.h"
#include "instrument/hand_and_tape.h"
#include "instrument/input_codes.h"
#include "instrument/panels.h"
#include "language/language.h"

#include <algorithm>
#include <cmath>

namespace {

using InputCodes::kLeftButton;
using InputCodes::kRightButton;

constexpr int kUp = 1;
constexpr int kDown = 2;

// Steps in tenths of a unit: the hand and every vertical move, small and with Shift; the tape
// across, a whole unit and with Shift a tenth.
constexpr int kStepUpDown = 1;
constexpr int kShiftStepUpDown = 5;
constexpr int kStepAcross = 10;
constexpr int kShiftStepAcross = 1;

// The view's extent in tenths; the keys keep the end and the pointer within it.
constexpr int kLeftmost = static_cast<int>(Chain::kViewLeft * 10);
constexpr int kRightmost = static_cast<int>((Chain::kViewLeft + Chain::kViewWidth) * 10);
constexpr int kTopmost = static_cast<int>(Chain::kViewTop * 10);
constexpr int kBottommost = static_cast<int>(Chain::kViewBottom * 10);

// The end's x, where mass 0 is drawn.
constexpr float kEndX = InputCodes::massX(0);

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

using Key = ChainKeys::Key;

bool endsTape(Key key) {
    return key == Key::Enter || key == Key::Space || key == Key::M;
}

} // namespace

ChainKeys::ChainKeys(const ChainState& state, HandAndTape& hand, Panels& panels)
    : state_(state), hand_(hand), panels_(panels) {
    panels.setVisible(Role::kKeyboardPointer, false);
}

std::string_view ChainKeys::keyList() {
    return Language::translate(
        "Tastatur: Pfeil auf/ab bewegt das feste Ende (mit Umschalt in größeren Schritten), "
        "Loslassen lässt es los. M zeigt den Zeiger für das Messband; die Pfeiltasten "
        "bewegen ihn, Eingabe oder Leertaste legt das Messband an, Pfeil links/rechts rollt "
        "es in ganzen Einheiten ab (mit Umschalt in Zehnteln), Eingabe oder Escape beendet es; "
        "D wählt die Kugel am Zeiger für das Zeitdiagramm. "
        "S läuft im Halt eine Zeiteinheit weiter. "
        "Berührung: mit einem Finger das feste Ende ziehen; den Finger eine halbe Sekunde "
        "still halten und dann ziehen legt das Messband an; Doppeltipp wählt eine Kugel.");
}

bool ChainKeys::keyPress(Key key, int shift) {
    const bool shifted = (shift & InputCodes::kShift) != 0;
    const int upDown = shifted ? kShiftStepUpDown : kStepUpDown;
    const int across = shifted ? kShiftStepAcross : kStepAcross;
    switch (mode_) {
    case Mode::Hand:
        if (key == Key::Up || key == Key::Down) {
            if (heldKeys_ == 0) {
                hand_.press(kLeftButton, shift, kEndX, state_.y[0]);
            }
            heldKeys_ |= key == Key::Up ? kUp : kDown;
            moveEnd(key == Key::Up ? -upDown : upDown, shift);
            return true;
        }
        if (key == Key::M) {
            letGo();
            mode_ = Mode::Pointing;
            movePointer(0, 0);
            return true;
        }
        return false;
    case Mode::Pointing:
        switch (key) {
        case Key::Left:
            movePointer(-across, 0);
            return true;
        case Key::Right:
            movePointer(across, 0);
            return true;
        case Key::Up:
            movePointer(0, -upDown);
            return true;
        case Key::Down:
            movePointer(0, upDown);
            return true;
        case Key::Escape:
            letGo();
            return true;
        case Key::D:
            if (choose_) {
                choose_(fromTenths(pointerX_));
            }
            return true;
        default:
            if (endsTape(key)) {
                layTape(shift);
                return true;
            }
            return false;
        }
    case Mode::Tape:
        if (key == Key::Left || key == Key::Right) {
            unroll(key == Key::Left ? -across : across, shift);
            return true;
        }
        if (endsTape(key) || key == Key::Escape) {
            endTape(shift);
            return true;
        }
        // Up and Down would move the pointer off the tape's line; they do nothing here.
        return key == Key::Up || key == Key::Down;
    }
    return false;
}

void ChainKeys::keyRelease(Key key, int shift, bool autoRepeat) {
    // A held key repeats as pairs of release and press, marked as repeats.
    if (autoRepeat || heldKeys_ == 0) {
        return;
    }
    if (key == Key::Up || key == Key::Down) {
        heldKeys_ &= ~(key == Key::Up ? kUp : kDown);
        if (heldKeys_ == 0) {
            hand_.release(kLeftButton, shift, kEndX, state_.y[0]);
        }
    }
}

void ChainKeys::focusLost() {
    letGo();
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
    hand_.move(kLeftButton, shift, kEndX, static_cast<float>(target / 10.0));
}

void ChainKeys::movePointer(int dx, int dy) {
    pointerX_ = std::clamp(pointerX_ + dx, kLeftmost, kRightmost);
    pointerY_ = std::clamp(pointerY_ + dy, kTopmost, kBottommost);
    showPointerAt(fromTenths(pointerX_), fromTenths(pointerY_));
}

void ChainKeys::layTape(int shift) {
    mode_ = Mode::Tape;
    tapeEnd_ = pointerX_;
    const float x = fromTenths(pointerX_);
    const float y = fromTenths(pointerY_);
    hand_.press(kRightButton, shift, x, y);
    hand_.move(kRightButton, shift, x, y);
}

void ChainKeys::unroll(int tenths, int shift) {
    tapeEnd_ = std::clamp(tapeEnd_ + tenths, kLeftmost, kRightmost);
    const float end = tapeEndFor(fromTenths(pointerX_), tapeEnd_ - pointerX_);
    hand_.move(kRightButton, shift, end, fromTenths(pointerY_));
    showPointerAt(end, fromTenths(pointerY_));
}

void ChainKeys::endTape(int shift) {
    const float end = tapeEndFor(fromTenths(pointerX_), tapeEnd_ - pointerX_);
    hand_.release(kRightButton, shift, end, fromTenths(pointerY_));
    // The next tape starts where this one ended, one wavelength after the other.
    pointerX_ = tapeEnd_;
    mode_ = Mode::Hand;
    hidePointer();
}

void ChainKeys::letGo() {
    if (heldKeys_ != 0) {
        heldKeys_ = 0;
        hand_.release(kLeftButton, 0, kEndX, state_.y[0]);
    }
    if (mode_ == Mode::Tape) {
        endTape(0);
    }
    mode_ = Mode::Hand;
    hidePointer();
}

void ChainKeys::showPointerAt(float x, float y) {
    panels_.setVisible(Role::kKeyboardPointer, true);
    panels_.setPlace(Role::kKeyboardPointer, x, y);
}

void ChainKeys::hidePointer() {
    panels_.setVisible(Role::kKeyboardPointer, false);
}
