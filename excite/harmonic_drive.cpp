#include "excite/harmonic_drive.h"

#include "core/chain_constants.h"
#include "core/chain_state.h"
#include "core/float_status_check.h"
#include "platform/indicators.h"
#include "platform/locale_text.h"
#include "platform/qt_colour.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

HarmonicDrive::HarmonicDrive(ChainState& state, const Controls& controls)
    : state_(state), c_(controls) {}

void HarmonicDrive::Command7_Click() {
    state_.harmonicOn = toggled(state_.harmonicOn);
    const bool on = state_.harmonicOn == 1;
    c_.Label6.setText(driveModeCaption(on));
    showSwitch(c_.Text5, on);
    // The hint for the hand shows the opposite: red while the hand moves the end.
    setBackColour(c_.Label13, indicatorColour(!on));
}

void HarmonicDrive::showStartReadOuts() {
    c_.Text2.setText(singleText(state_.amplitude));
    c_.Text3.setText(doubleText(Chain::kStartPeriod));
    c_.Text5.setText(onOffText(false));
}

void HarmonicDrive::HScroll1_Change() {
    {
        const FloatStatusCheck check;
        state_.amplitude =
            static_cast<float>(double(c_.HScroll1.value()) / Chain::kAmplitudeBarScale);
    }
    c_.Text2.setText(singleText(state_.amplitude));
}

void HarmonicDrive::HScroll2_Change() {
    ChainState& s = state_;
    const int value = c_.HScroll2.value();
    {
        const FloatStatusCheck check;
        // The phase reached so far goes into drivePhase before the drive time starts again from 0,
        // so the sine's argument is the same just before and after the change: the end carries on
        // from where it is, with the new period. drivePhase is never reduced modulo 2 pi.
        s.drivePhase = static_cast<float>(
            double(s.omega) * (double(s.driveTime) + double(s.driveCarry)) + double(s.drivePhase));
        s.driveTime = 0;
        s.driveCarry = 0;
        s.omega = static_cast<float>((double(s.pi) + double(s.pi)) / double(value) *
                                     Chain::kPeriodBarScale);
    }
    c_.Text3.setText(doubleText(double(value) / Chain::kPeriodBarScale));
}
