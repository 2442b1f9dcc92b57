#include "instrument/hand_and_tape.h"

#include "core/chain_constants.h"
#include "core/chain_state.h"
#include "core/float_status_check.h"
#include "instrument/input_codes.h"
#include "instrument/panels.h"
#include "instrument/read_out_text.h"
#include "picture/chain_picture.h"

#include <array>
#include <cmath>
#include <limits>

namespace {

using InputCodes::kLeftButton;
using InputCodes::kRightButton;

// The three rows of the tape's scale: every unit a short tick, every fifth a longer one and
// every tenth the longest. All start at the press point, so the longer ticks cover the
// shorter ones there.
struct TickRow {
    double step;
    double length;
};
constexpr std::array<TickRow, 3> kTickRows{{{1, 0.1}, {5, 0.15}, {10, 0.2}}};

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

HandAndTape::HandAndTape(ChainState& state, ChainPicture& picture, Panels& panels)
    : state_(state), picture_(picture), panels_(panels) {
    panels.setCaption(Role::kFixedEndLabel, "Festes Ende");
    panels.setCaption(Role::kTapeReadout, controlName(Role::kTapeReadout));
    panels.setVisible(Role::kTapeReadout, false);
}

void HandAndTape::press(int button, int /*shift*/, float x, float y) {
    // Every press, whichever button, moves the tape's origin.
    state_.mouseX = x;
    state_.mouseY = y;
    if (button == kLeftButton) {
        panels_.setVisible(Role::kFixedEndLabel, false);
    }
}

void HandAndTape::move(int button, int /*shift*/, float x, float y) {
    ChainState& s = state_;
    if (button == kLeftButton) {
        // No offset and no limit: the end follows the pointer also beyond the view's edges.
        s.y[0] = y;
    }
    if (button == kRightButton) {
        panels_.setVisible(Role::kTapeReadout, true);
        float top = 0;
        float distance = 0;
        {
            const FloatStatusCheck check;
            top = toStored(double(s.mouseY) - kReadOutRise);
            // Cut down to the tenth below, also for distances to the left of the press point.
            distance = toStored(std::floor(10.0 * (double(x) - double(s.mouseX))) / 10.0);
        }
        panels_.setPlace(Role::kTapeReadout, x, top);
        panels_.setCaption(Role::kTapeReadout,
                           ReadOutText::ofSingle(distance, panels_.decimalSeparator()));
        drawTapeScale(s.mouseX, nearestUnit(x));
    } else {
        panels_.setVisible(Role::kTapeReadout, false);
    }
}

void HandAndTape::release(int /*button*/, int /*shift*/, float /*x*/, float /*y*/) {
    panels_.setVisible(Role::kFixedEndLabel, true);
}

void HandAndTape::drawTapeScale(float start, std::int16_t end) {
    const float base = state_.mouseY;
    const auto last = static_cast<float>(end);
    picture_.setPenWidth(Chain::kThinPen);
    for (const TickRow& row : kTickRows) {
        const auto tip = static_cast<float>(double(base) - row.length);
        // The running x is single precision, advanced by adding the step.
        for (float x = start; x <= last; x = static_cast<float>(double(x) + row.step)) {
            picture_.drawLine(x, base, x, tip);
        }
    }
    picture_.setPenWidth(Chain::kRestingPen);
}
