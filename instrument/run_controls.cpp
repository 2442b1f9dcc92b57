#include "instrument/run_controls.h"

#include "core/chain_state.h"
#include "instrument/chain_pass.h"
#include "instrument/indicators.h"
#include "instrument/medium_markers.h"
#include "instrument/panels.h"
#include "language/language.h"

RunControls::RunControls(ChainState& state, ChainPass& pass, MediumMarkers& markers, Panels& panels,
                         const InputCodes::Device& device)
    : state_(state), pass_(pass), markers_(markers), panels_(panels), device_(device) {
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
        panels_.setCaption(Role::kModeLabel, driveModeCaption(s.harmonicOn == 1, device_));
        pass_.begin();
        return;
    }
    showHalted();
}

void RunControls::end() {
    panels_.setVisible(Role::kWindow, false);
    ended_ = true;
}

void RunControls::showHalted() {
    panels_.setCaption(Role::kHaltButton, Language::translate("Weiter"));
    panels_.setCaption(Role::kModeLabel, Language::translateIn("Zustand", "Halt"));
    // The masses of the heavy half may have cut gaps into the boundary.
    if (state_.refractionOn == 1) {
        markers_.showRefraction(true);
    }
}
