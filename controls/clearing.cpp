#include "controls/clearing.h"

#include "controls/markers.h"
#include "core/chain_state.h"

namespace {

void zero(ChainState::Row& row) {
    for (int i = 0; i <= ChainState::kLastWrittenSlot; ++i) {
        row[i] = 0;
    }
}

} // namespace

Clearing::Clearing(ChainState& state, Markers& markers) : state_(state), markers_(markers) {}

void Clearing::Command1_Click() {
    zero(state_.v);
}

void Clearing::Command2_Click() {
    markers_.clearView();
    zero(state_.y);
    // The view is clean, so the next pass has nothing to erase where the masses were.
    zero(state_.yShown);
}

void Clearing::Command5_Click() {
    ChainState& s = state_;
    markers_.clearView();
    zero(s.y);
    zero(s.v);
    zero(s.accel);
    zero(s.yShown);
    s.clockTime = 0;
    s.clockCarry = 0;
    s.driveTime = 0;
    s.driveCarry = 0;
    s.drivePhase = 0;
}
