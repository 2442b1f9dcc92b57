#include "instrument/medium_options.h"

#include "core/chain_constants.h"
#include "core/chain_state.h"
#include "core/float_status_check.h"
#include "instrument/indicators.h"
#include "instrument/medium_markers.h"
#include "instrument/panels.h"
#include "instrument/view_drawing.h"
#include "language/language.h"

MediumOptions::MediumOptions(ChainState& state, MediumMarkers& markers, ViewDrawing& view,
                             Panels& panels)
    : state_(state), markers_(markers), view_(view), panels_(panels) {
    panels.setCaption(Role::kDampingPanel, Language::translate("Dämpfung"));
    panels.setCaption(Role::kDampingSwitch, onOffCaption());
    panels.setChecked(Role::kDampingSwitch, true);
    panels.setCaption(Role::kDampingIndicator, onOffText(true));
    panels.setBack(Role::kDampingIndicator, kIndicatorStartRed);
    panels.setCaption(Role::kRefractionPanel, Language::translate("Brechung"));
    panels.setCaption(Role::kRefractionSwitch, onOffCaption());
    panels.setCaption(Role::kRefractionIndicator, onOffText(false));
    panels.setCaption(Role::kObstaclePanel, Language::translate("Hindernis"));
    panels.setCaption(Role::kObstacleSwitch, onOffCaption());
    panels.setCaption(Role::kObstacleIndicator, onOffText(false));
    panels.setCaption(Role::kLooseEndLabel, Language::translate("Loses Ende"));
    panels.setCaption(Role::kDampingLabel, Language::translate("Dämpfung On"));
    panels.setCaption(Role::kLightHalfLabel, "m = 1");
    panels.setVisible(Role::kLightHalfLabel, false);
    panels.setCaption(Role::kHeavyHalfLabel, "m = 4");
    panels.setVisible(Role::kHeavyHalfLabel, false);
}

void MediumOptions::toggleDamping() {
    ChainState& s = state_;
    {
        const FloatStatusCheck check;
        s.endDamping = toStored(double(Chain::kDampingOn) - double(s.endDamping));
    }
    const bool on = s.endDamping == Chain::kDampingOn;
    markers_.showDamping(on);
    panels_.setCaption(Role::kDampingLabel, on ? Language::translate("Dämpfung on")
                                               : Language::translate("Dämpfung off"));
    showSwitch(panels_, Role::kDampingSwitch, Role::kDampingIndicator, on);
}

void MediumOptions::toggleObstacle() {
    state_.obstacleOn = toggled(state_.obstacleOn);
    const bool on = state_.obstacleOn == 1;
    markers_.showObstacle(on);
    showSwitch(panels_, Role::kObstacleSwitch, Role::kObstacleIndicator, on);
}

void MediumOptions::toggleRefraction() {
    ChainState& s = state_;
    s.refractionOn = toggled(s.refractionOn);
    const bool on = s.refractionOn == 1;
    const float factor = on ? Chain::kHeavyMassFactor : Chain::kLightMassFactor;
    for (int i = Chain::kFirstHeavyMass; i <= ChainState::kLastWrittenSlot; ++i) {
        s.massFactor[i] = factor;
    }
    markers_.showRefraction(on);
    if (!on) {
        // The run loop drew the heavy half with a wider pen than the light one; only a clean
        // view, with the masses drawn again at one width, loses those wide dots.
        view_.clearView();
    }
    panels_.setVisible(Role::kLightHalfLabel, on);
    panels_.setVisible(Role::kHeavyHalfLabel, on);
    showSwitch(panels_, Role::kRefractionSwitch, Role::kRefractionIndicator, on);
}
