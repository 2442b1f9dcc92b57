#include "instrument/harmonic_drive.h"

#include "core/chain_constants.h"
#include "core/chain_state.h"
#include "core/float_status_check.h"
#include "instrument/indicators.h"
#include "instrument/panels.h"
#include "instrument/read_out_text.h"
#include "language/language.h"

#include <numbers>
#include <string>

HarmonicDrive::HarmonicDrive(ChainState& state, Panels& panels, const InputCodes::Device& device)
    : state_(state), panels_(panels), device_(device) {
    panels.setCaption(Role::kDrivePanel, Language::translate("Anregung am linken Ende"));
    panels.setRange(Role::kAmplitudeBar,
                    {.minimum = 1, .maximum = 20, .smallChange = 1, .largeChange = 1});
    panels.setValue(Role::kAmplitudeBar,
                    barValue(Chain::kStartAmplitude, Chain::kAmplitudeBarScale));
    panels.setCaption(Role::kAmplitudeName, Language::translate("Amplitude"));
    panels.setCaption(Role::kAmplitudeReadout, controlName(Role::kAmplitudeReadout));
    panels.setRange(Role::kPeriodBar,
                    {.minimum = 10, .maximum = 1000, .smallChange = 1, .largeChange = 10});
    panels.setValue(Role::kPeriodBar, barValue(Chain::kStartPeriod, Chain::kPeriodBarScale));
    panels.setCaption(Role::kPeriodName, Language::translate("Periode"));
    panels.setCaption(Role::kPeriodReadout, controlName(Role::kPeriodReadout));
    panels.setCaption(Role::kDriveSwitch,
                      std::string(Language::translate("Harmonisch ")) + onOffCaption());
    panels.setCaption(Role::kDriveState, controlName(Role::kDriveState));
    panels.setCaption(Role::kPulseButton, Language::translate("Puls"));
    panels.setCaption(
        Role::kHandHint,
        std::string(Language::translate("Anregung von Hand:")) + std::string(18, ' ') +
            std::string(Language::translate("Ziehen: Maus, Finger, ↑ ↓")) + std::string(18, ' ') +
            std::string(Language::translate("Doppelklick: Zeitdiagramm")));
    panels.setBack(Role::kHandHint, kIndicatorStartRed);
    panels.setCaption(Role::kModeLabel, Language::translate("Anregung von Hand"));
}

void HarmonicDrive::toggle() {
    pulseHalves_ = 0;
    state_.harmonicOn = toggled(state_.harmonicOn);
    const bool on = state_.harmonicOn == 1;
    panels_.setCaption(Role::kModeLabel, driveModeCaption(on, device_));
    showSwitch(panels_, Role::kDriveSwitch, Role::kDriveState, on);
    // The hint for the hand shows the opposite: red while the hand moves the end.
    panels_.setBack(Role::kHandHint, indicatorColour(!on));
}

void HarmonicDrive::sendPulse(int halfPeriods) {
    ChainState& s = state_;
    s.driveTime = 0;
    s.driveCarry = 0;
    s.drivePhase = 0;
    // A pulse from a drive that stood leaves the mode label as it found it: a link opened
    // again shows the same controls as the one that sent the pulse.
    const bool standing = s.harmonicOn != 1 && s.halted != 1;
    modeBeforePulse_ = standing ? panels_.caption(Role::kModeLabel) : std::string();
    if (s.harmonicOn != 1) {
        toggle();
    }
    pulseHalves_ = halfPeriods;
}

void HarmonicDrive::endPulseIfDue() {
    const ChainState& s = state_;
    if (pulseHalves_ == 0 || s.harmonicOn != 1) {
        return;
    }
    // The sine's argument this pass reaches, and the pulse's end: the pass nearest to the end
    // sets the end at rest, whether the float sum of the steps lands just below or above it. The
    // argument stays continuous through a change of the period, so the end stays where it is.
    const double step = double(s.omega) * double(s.dt);
    const double next = (double(s.driveTime) + double(s.driveCarry)) * double(s.omega) +
                        double(s.drivePhase) + step;
    if (next < pulseHalves_ * std::numbers::pi - step / 2) {
        return;
    }
    state_.y[0] = 0;
    // Ended by a step while the run stands, the mode label keeps "Halt".
    const std::string mode = s.halted == 1 ? panels_.caption(Role::kModeLabel) : modeBeforePulse_;
    toggle();
    if (!mode.empty()) {
        panels_.setCaption(Role::kModeLabel, mode);
    }
}

void HarmonicDrive::showStartReadOuts() {
    const std::string_view separator = panels_.decimalSeparator();
    panels_.setCaption(Role::kAmplitudeReadout, ReadOutText::ofSingle(state_.amplitude, separator));
    panels_.setCaption(Role::kPeriodReadout, ReadOutText::ofDouble(Chain::kStartPeriod, separator));
    panels_.setCaption(Role::kDriveState, onOffText(false));
}

void HarmonicDrive::setAmplitude(int value) {
    {
        const FloatStatusCheck check;
        state_.amplitude = toStored(double(value) / Chain::kAmplitudeBarScale);
    }
    panels_.setCaption(Role::kAmplitudeReadout,
                       ReadOutText::ofSingle(state_.amplitude, panels_.decimalSeparator()));
}

void HarmonicDrive::setPeriod(int value) {
    ChainState& s = state_;
    {
        const FloatStatusCheck check;
        // The phase reached so far goes into drivePhase before the drive time starts again from 0,
        // so the sine's argument is the same just before and after the change: the end carries on
        // from where it is, with the new period. drivePhase is never reduced modulo 2 pi.
        s.drivePhase = toStored(double(s.omega) * (double(s.driveTime) + double(s.driveCarry)) +
                                double(s.drivePhase));
        s.driveTime = 0;
        s.driveCarry = 0;
        s.omega = toStored(quotient(double(Chain::kPi) + double(Chain::kPi), double(value)) *
                           Chain::kPeriodBarScale);
    }
    panels_.setCaption(
        Role::kPeriodReadout,
        ReadOutText::ofDouble(double(value) / Chain::kPeriodBarScale, panels_.decimalSeparator()));
}
