#include "controls/clearing.h"

#include "controls/markers.h"
#include "core/chain_state.h"
#include "sim/chain_view.h"

namespace {

void zero(ChainState::Row& row) {
    for (int i = 0; i <= ChainState::kLastWrittenSlot; ++i) {
        row[i] = 0;
    }
}

} // namespace

Clearing::Clearing(ChainState& state, ChainView& Picture1, Markers& markers)
    : state_(state), Picture1_(Picture1), markers_(markers) {}

void Clearing::Command1_Click() {
    zero(state_.v);
}

void Clearing::Command2_Click() {
    Picture1_.clear();
    zero(state_.y);
    // The view is clean, so the next pass has nothing to erase where the masses were.
    zero(state_.yShown);
    markers_.RestoreMarkers();
}

void Clearing::Command5_Click() {
    ChainState& s = state_;
    Picture1_.clear();
    zero(s.y);
    zero(s.v);
    zero(s.accel);
    zero(s.yShown);
    s.clockTime = 0;
    s.driveTime = 0;
    s.drivePhase = 0;
    markers_.RestoreMarkers();
}
