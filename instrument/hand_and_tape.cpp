#include "instrument/hand_and_tape.h"

#include "core/chain_constants.h"
#include "core/chain_state.h"
#include "core/float_status_check.h"
#include "instrument/input_codes.h"
#include "instrument/panels.h"
#include "instrument/read_out_text.h"
#include "instrument/tape_marks.h"
#include "language/language.h"

#include <cmath>
#include <limits>

namespace {

using InputCodes::kLeftButton;
using InputCodes::kRightButton;

// The read-out's top edge stands this far above the tape line.
constexpr double kReadOutRise = 0.5;

// The scale's end is a 16-bit whole number of units, like the button codes; a pointer beyond
// its range would be an overflow.
std::int16_t nearestUnit(float x) {
    const double end = std::floor(double(x) + 0.5);
    if (!(end >= std::numeric_limits<std::int16_t>::min() &&
          end <= std::numeric_limits<std::int16_t>::max())) {
        raiseRunTimeError(RunTimeErrorCode::Overflow);
    }
    return static_cast<std::int16_t>(end);
}

} // namespace

HandAndTape::HandAndTape(ChainState& state, TapeMarks& tapes, Panels& panels)
    : state_(state), tapes_(tapes), panels_(panels) {
    panels.setCaption(Role::kFixedEndLabel, Language::translate("Festes Ende"));
    panels.setCaption(Role::kTapeReadout, controlName(Role::kTapeReadout));
    panels.setVisible(Role::kTapeReadout, false);
}

void HandAndTape::press(int button, int /*shift*/, float x, float y) {
    // Every press, whichever button, moves the tape's origin.
    origin_ = {x, y};
    if (button == kLeftButton) {
        panels_.setVisible(Role::kFixedEndLabel, false);
    }
}

void HandAndTape::move(int button, int /*shift*/, float x, float y) {
    if (button == kLeftButton) {
        // No offset and no limit: the end follows the pointer also beyond the view's edges.
        state_.y[0] = y;
    }
    if (button == kRightButton) {
        panels_.setVisible(Role::kTapeReadout, true);
        float top = 0;
        float distance = 0;
        {
            const FloatStatusCheck check;
            top = toStored(double(origin_.y) - kReadOutRise);
            // Cut down to the tenth below, also for distances to the left of the press point.
            distance = toStored(std::floor(10.0 * (double(x) - double(origin_.x))) / 10.0);
        }
        panels_.setPlace(Role::kTapeReadout, x, top);
        panels_.setCaption(Role::kTapeReadout,
                           ReadOutText::ofSingle(distance, panels_.decimalSeparator()));
        tapes_.show(origin_.x, origin_.y, nearestUnit(x));
    } else {
        panels_.setVisible(Role::kTapeReadout, false);
    }
}

void HandAndTape::release(int /*button*/, int /*shift*/, float /*x*/, float /*y*/) {
    panels_.setVisible(Role::kFixedEndLabel, true);
}
