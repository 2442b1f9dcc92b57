#include "excite/harmonic_drive.h"

#include "core/chain_constants.h"
#include "core/chain_state.h"
#include "core/runtime_error.h"
#include "platform/locale_text.h"
#include "platform/qt_colour.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

namespace {

// Scroll-bar values are tenths of the amplitude and of the period.
constexpr double kTenths = 10;

} // namespace

HarmonicDrive::HarmonicDrive(ChainState& state, const Controls& controls)
    : state_(state), c_(controls) {}

void HarmonicDrive::Command7_Click() {
    state_.harmonicOn = static_cast<std::int16_t>(1 - state_.harmonicOn);
    const bool on = state_.harmonicOn == 1;
    c_.Label6.setText(on ? QStringLiteral("Harmonisch bewegt")
                         : QStringLiteral("Bewegung mit Maus"));
    c_.Text5.setText(on ? QStringLiteral("On") : QStringLiteral("Off"));
    setBackColour(c_.Text5, toQRgb(on ? Chain::kIndicatorOn : Chain::kIndicatorOff),
                  QPalette::Base);
    setBackColour(c_.Label13, toQRgb(on ? Chain::kIndicatorOff : Chain::kIndicatorOn));
}

void HarmonicDrive::HScroll1_Change() {
    clearFloatStatus();
    state_.amplitude = static_cast<float>(double(c_.HScroll1.value()) / kTenths);
    checkFloatStatus();
    c_.Text2.setText(singleText(state_.amplitude));
}

void HarmonicDrive::HScroll2_Change() {
    ChainState& s = state_;
    const int value = c_.HScroll2.value();
    clearFloatStatus();
    // The phase reached so far goes into drivePhase before the drive time starts again from 0,
    // so the sine's argument is the same just before and after the change: the end carries on
    // from where it is, with the new period. drivePhase is never reduced modulo 2 pi.
    s.drivePhase = static_cast<float>(double(s.omega) * double(s.driveTime) + double(s.drivePhase));
    s.driveTime = 0;
    s.omega = static_cast<float>((double(s.pi) + double(s.pi)) / double(value) * kTenths);
    checkFloatStatus();
    c_.Text3.setText(doubleText(double(value) / kTenths));
}
