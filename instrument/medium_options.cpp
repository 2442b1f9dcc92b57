#include "instrument/medium_options.h"

#include "core/chain_constants.h"
#include "core/chain_state.h"
#include "core/float_status_check.h"
#include "instrument/indicators.h"
#include "instrument/markers.h"
#include "instrument/panels.h"

MediumOptions::MediumOptions(ChainState& state, Markers& markers, Panels& panels)
    : state_(state), markers_(markers), panels_(panels) {
    panels.setCaption(kDampingPanel, "Dämpfung");
    panels.setCaption(kDampingSwitch, onOffCaption());
    panels.setCaption(kDampingIndicator, onOffText(true));
    panels.setBack(kDampingIndicator, kIndicatorStartRed);
    panels.setCaption(kRefractionPanel, "Brechung");
    panels.setCaption(kRefractionSwitch, onOffCaption());
    panels.setCaption(kRefractionIndicator, onOffText(false));
    panels.setCaption(kObstaclePanel, "Hindernis");
    panels.setCaption(kObstacleSwitch, onOffCaption());
    panels.setCaption(kObstacleIndicator, onOffText(false));
    panels.setCaption(kLooseEndLabel, "Loses Ende");
    panels.setCaption(kDampingLabel, "Dämpfung On");
    panels.setCaption(kLightHalfLabel, "m = 1");
    panels.setVisible(kLightHalfLabel, false);
    panels.setCaption(kHeavyHalfLabel, "m = 4");
    panels.setVisible(kHeavyHalfLabel, false);
}

void MediumOptions::toggleDamping() {
    ChainState& s = state_;
    {
        const FloatStatusCheck check;
        s.endDamping = toStored(double(Chain::kDampingOn) - double(s.endDamping));
    }
    const bool on = s.endDamping == Chain::kDampingOn;
    markers_.showDamping(on);
    // The run loop erases the end mass in this colour: the marker's while damped, so the dot
    // running along the marker repaints it; the background's while free.
    const Chain::Rgb eraser = on ? Chain::kDampingMarker : Chain::kFreeEndEraser;
    s.endMarkG = static_cast<std::int16_t>(eraser.g);
    s.endMarkB = static_cast<std::int16_t>(eraser.b);
    panels_.setCaption(kDampingLabel, on ? "Dämpfung on" : "Dämpfung off");
    showSwitch(panels_, kDampingIndicator, on);
}

void MediumOptions::toggleObstacle() {
    state_.obstacleOn = toggled(state_.obstacleOn);
    const bool on = state_.obstacleOn == 1;
    markers_.showObstacle(on);
    showSwitch(panels_, kObstacleIndicator, on);
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
        // view loses those wide dots. The masses come back at the loop's next pass.
        markers_.clearView();
    }
    panels_.setVisible(kLightHalfLabel, on);
    panels_.setVisible(kHeavyHalfLabel, on);
    showSwitch(panels_, kRefractionIndicator, on);
}
