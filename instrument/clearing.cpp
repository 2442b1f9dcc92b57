#include "instrument/clearing.h"

#include "core/chain_state.h"
#include "instrument/panels.h"
#include "instrument/view_drawing.h"
#include "language/language.h"

namespace {

void zero(ChainState::Row& row) {
    for (int i = 0; i <= ChainState::kLastWrittenSlot; ++i) {
        row[i] = 0;
    }
}

} // namespace

Clearing::Clearing(ChainState& state, ViewDrawing& view, Panels& panels)
    : state_(state), view_(view) {
    panels.setCaption(Role::kClearingPanel, Language::translate("Löschfunktionen"));
    panels.setCaption(Role::kClearAll, Language::translate("Löschen"));
    panels.setCaption(Role::kClearVelocities, "v(i) = 0");
    panels.setCaption(Role::kClearDisplacements, "y(i) = 0");
}

void Clearing::clearVelocities() {
    zero(state_.v);
}

void Clearing::clearDisplacements() {
    zero(state_.y);
    // The masses are drawn on the midline of a clean view, where the next pass finds them.
    zero(state_.yShown);
    view_.clearView();
}

void Clearing::clearAll() {
    ChainState& s = state_;
    zero(s.y);
    zero(s.v);
    zero(s.accel);
    zero(s.yShown);
    s.clockTime = 0;
    s.clockCarry = 0;
    s.driveTime = 0;
    s.driveCarry = 0;
    s.drivePhase = 0;
    view_.clearView();
}
