#include "instrument/harmonic_drive.h"

#include "core/chain_constants.h"
#include "core/chain_state.h"
#include "core/float_status_check.h"
#include "instrument/indicators.h"
#include "instrument/panels.h"
#include "instrument/read_out_text.h"

#include <string>

HarmonicDrive::HarmonicDrive(ChainState& state, Panels& panels) : state_(state), panels_(panels) {
    panels.setCaption(kPanel, "Anregung am linken Ende");
    panels.setRange(kAmplitudeBar,
                    {.minimum = 1, .maximum = 20, .smallChange = 1, .largeChange = 1});
    panels.setValue(kAmplitudeBar, barValue(Chain::kStartAmplitude, Chain::kAmplitudeBarScale));
    panels.setCaption(kAmplitudeName, "Amplitude");
    panels.setCaption(kAmplitudeReadout, "Text2");
    panels.setRange(kPeriodBar,
                    {.minimum = 10, .maximum = 1000, .smallChange = 1, .largeChange = 10});
    panels.setValue(kPeriodBar, barValue(Chain::kStartPeriod, Chain::kPeriodBarScale));
    panels.setCaption(kPeriodName, "Periode");
    panels.setCaption(kPeriodReadout, "Text3");
    panels.setCaption(kSwitch, "Harmonisch " + onOffCaption());
    panels.setCaption(kSwitchState, "Text5");
    panels.setCaption(kHandHint, "Anregung von Hand:" + std::string(18, ' ') +
                                     "Linke Maustaste drücken und festes Ende ziehen");
    panels.setBack(kHandHint, kIndicatorStartRed);
    panels.setCaption(kModeLabel, "Anregung von Hand");
}

void HarmonicDrive::toggle() {
    state_.harmonicOn = toggled(state_.harmonicOn);
    const bool on = state_.harmonicOn == 1;
    panels_.setCaption(kModeLabel, driveModeCaption(on));
    showSwitch(panels_, kSwitchState, on);
    // The hint for the hand shows the opposite: red while the hand moves the end.
    panels_.setBack(kHandHint, indicatorColour(!on));
}

void HarmonicDrive::showStartReadOuts() {
    const std::string_view separator = panels_.decimalSeparator();
    panels_.setCaption(kAmplitudeReadout, ReadOutText::ofSingle(state_.amplitude, separator));
    panels_.setCaption(kPeriodReadout, ReadOutText::ofDouble(Chain::kStartPeriod, separator));
    panels_.setCaption(kSwitchState, onOffText(false));
}

void HarmonicDrive::amplitudeChanged() {
    {
        const FloatStatusCheck check;
        state_.amplitude =
            toStored(double(panels_.value(kAmplitudeBar)) / Chain::kAmplitudeBarScale);
    }
    panels_.setCaption(kAmplitudeReadout,
                       ReadOutText::ofSingle(state_.amplitude, panels_.decimalSeparator()));
}

void HarmonicDrive::periodChanged() {
    ChainState& s = state_;
    const int value = panels_.value(kPeriodBar);
    {
        const FloatStatusCheck check;
        // The phase reached so far goes into drivePhase before the drive time starts again from 0,
        // so the sine's argument is the same just before and after the change: the end carries on
        // from where it is, with the new period. drivePhase is never reduced modulo 2 pi.
        s.drivePhase = toStored(double(s.omega) * (double(s.driveTime) + double(s.driveCarry)) +
                                double(s.drivePhase));
        s.driveTime = 0;
        s.driveCarry = 0;
        s.omega =
            toStored(quotient(double(s.pi) + double(s.pi), double(value)) * Chain::kPeriodBarScale);
    }
    panels_.setCaption(kPeriodReadout, ReadOutText::ofDouble(double(value) / Chain::kPeriodBarScale,
                                                             panels_.decimalSeparator()));
}
