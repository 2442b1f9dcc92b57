#include "controls/clock_and_speed.h"

#include "core/chain_constants.h"
#include "core/chain_state.h"
#include "core/float_status_check.h"

#include <QPushButton>
#include <QScrollBar>

ClockAndSpeed::ClockAndSpeed(ChainState& state, QPushButton& Command8, QScrollBar& HScroll3)
    : state_(state), Command8_(Command8), HScroll3_(HScroll3) {}

void ClockAndSpeed::Command8_Click() {
    ChainState& s = state_;
    s.clockOn = toggled(s.clockOn);
    if (s.clockOn == 1) {
        Command8_.setText(QStringLiteral(" Uhr Stopp"));
        s.clockTime = 0;
        s.clockCarry = 0;
    } else {
        Command8_.setText(QStringLiteral(" Uhr Start"));
    }
}

void ClockAndSpeed::HScroll3_Change() {
    const auto value = static_cast<std::int16_t>(HScroll3_.value());
    const FloatStatusCheck check;
    state_.dt = static_cast<float>(double(value) / Chain::kStepBarScale);
}
