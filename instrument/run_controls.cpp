#include "instrument/run_controls.h"

#include "core/chain_state.h"
#include "instrument/indicators.h"
#include "instrument/medium_markers.h"
#include "instrument/panels.h"
#include "instrument/run_loop.h"
#include "language/language.h"

RunControls::RunControls(ChainState& state, RunLoop& runner, MediumMarkers& markers, Panels& panels)
    : state_(state), runner_(runner), markers_(markers), panels_(panels) {
    panels.setCaption(Role::kHaltButton, Language::translate("Halt"));
    panels.setCaption(Role::kEndButton, Language::translate("Ende"));
    // The run goes from the start on.
    panels.setEnabled(Role::kStepButton, false);
}

void RunControls::haltOrContinue() {
    ChainState& s = state_;
    s.halted = toggled(s.halted);
    panels_.setChecked(Role::kHaltButton, s.halted == 1);
    panels_.setEnabled(Role::kStepButton, s.halted == 1);
    if (s.halted == 0) {
        panels_.setCaption(Role::kHaltButton, Language::translate("Halt"));
        panels_.setCaption(Role::kModeLabel, driveModeCaption(s.harmonicOn == 1));
        if (runner_.activeLoops() > 0) {
            // The halt was set within the same yield; the loop below has not yet seen it and
            // carries on at its next pass.
            return;
        }
        runner_.RunChain();
    }
    if (s.halted == 1) {
        showHalted();
    }
}

void RunControls::end() {
    panels_.setVisible(Role::kWindow, false);
    runner_.endProgram();
}

void RunControls::showHalted() {
    panels_.setCaption(Role::kHaltButton, Language::translate("Weiter"));
    panels_.setCaption(Role::kModeLabel, Language::translateIn("Zustand", "Halt"));
    // The masses of the heavy half may have cut gaps into the boundary.
    if (state_.refractionOn == 1) {
        markers_.showRefraction(true);
    }
}
