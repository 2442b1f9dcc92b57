#include "instrument/time_step.h"

#include "core/chain_state.h"
#include "instrument/chain_pass.h"
#include "instrument/panels.h"
#include "language/language.h"
#include "picture/chain_picture.h"

#include <algorithm>
#include <cmath>

TimeStep::TimeStep(ChainState& state, ChainPass& pass, ChainPicture& picture, Panels& panels)
    : state_(state), pass_(pass), picture_(picture) {
    panels.setCaption(Role::kStepButton, Language::translate("Schritt"));
}

bool TimeStep::step() {
    if (state_.halted != 1) {
        return false;
    }
    // The time step in hundredths, as the speed bar sets it.
    const int hundredths = std::max(1, static_cast<int>(std::lround(double(state_.dt) * 100.0)));
    const Passes passes = passesOf(carry_, hundredths);
    carry_ = passes.carry;
    pass_.begin();
    for (int i = 0; i < passes.count; ++i) {
        pass_.step();
    }
    pass_.showPendingClock();
    // The dots moved outside the run loop: a front end shows them at once.
    picture_.noteStroke();
    return true;
}
