#include "controls/medium_options.h"

#include "controls/markers.h"
#include "core/chain_constants.h"
#include "core/chain_state.h"
#include "core/float_status_check.h"
#include "platform/indicators.h"

#include <QLabel>

MediumOptions::MediumOptions(ChainState& state, Markers& markers, const Controls& controls)
    : state_(state), markers_(markers), c_(controls) {}

void MediumOptions::Command9_Click() {
    ChainState& s = state_;
    {
        const FloatStatusCheck check;
        s.endDamping = static_cast<float>(double(Chain::kDampingOn) - double(s.endDamping));
    }
    const bool on = s.endDamping == Chain::kDampingOn;
    markers_.showDamping(on);
    // The run loop erases the end mass in this colour: the marker's while damped, so the dot
    // running along the marker repaints it; the background's while free.
    const Chain::Rgb eraser = on ? Chain::kDampingMarker : Chain::kFreeEndEraser;
    s.endMarkG = static_cast<std::int16_t>(eraser.g);
    s.endMarkB = static_cast<std::int16_t>(eraser.b);
    c_.Label5.setText(on ? QStringLiteral("Dämpfung on") : QStringLiteral("Dämpfung off"));
    showSwitch(c_.Label9, on);
}

void MediumOptions::Command4_Click() {
    state_.obstacleOn = toggled(state_.obstacleOn);
    const bool on = state_.obstacleOn == 1;
    markers_.showObstacle(on);
    showSwitch(c_.Label12, on);
}

void MediumOptions::Command3_Click() {
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
    c_.Label7.setVisible(on);
    c_.Label8.setVisible(on);
    showSwitch(c_.Label10, on);
}
