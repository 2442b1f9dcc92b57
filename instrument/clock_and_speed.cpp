#include "instrument/clock_and_speed.h"

#include "core/chain_constants.h"
#include "core/chain_state.h"
#include "core/float_status_check.h"
#include "instrument/panels.h"
#include "instrument/read_out_text.h"
#include "language/language.h"

#include <string>

namespace {

// What the speed bar's value means, as a screen reader speaks it: the time units that pass in a
// second of the paced run.
void writeSpeedMeaning(Panels& panels, int value) {
    const double perSecond = double(value) / Chain::kStepBarScale * Chain::kPassesPerSecond;
    panels.setCaption(Role::kSpeedBar,
                      ReadOutText::ofDouble(perSecond, panels.decimalSeparator()) + " " +
                          std::string(Language::translate("Zeiteinheiten je Sekunde")));
}

} // namespace

ClockAndSpeed::ClockAndSpeed(ChainState& state, Panels& panels) : state_(state), panels_(panels) {
    // The caption's blanks put its two words above the two columns.
    panels.setCaption(Role::kClockPanel,
                      std::string(16, ' ') + std::string(Language::translate("Uhr")) +
                          std::string(21, ' ') + std::string(Language::translate("Zeitablauf")));
    panels.setCaption(Role::kClockReadout, "0");
    // Without the leading blank that the switch's later captions have.
    panels.setCaption(Role::kClockSwitch, Language::translate("Uhr Start"));
    panels.setRange(Role::kSpeedBar,
                    {.minimum = 1, .maximum = 50, .smallChange = 1, .largeChange = 5});
    const int startValue = barValue(Chain::kStartStep, Chain::kStepBarScale);
    panels.setValue(Role::kSpeedBar, startValue);
    panels.setCaption(Role::kSpeedName, Language::translate("langsam ---schnell"));
    writeSpeedMeaning(panels, startValue);
}

void ClockAndSpeed::toggleClock() {
    ChainState& s = state_;
    s.clockOn = toggled(s.clockOn);
    if (s.clockOn == 1) {
        panels_.setCaption(Role::kClockSwitch, Language::translate(" Uhr Stopp"));
        s.clockTime = 0;
        s.clockCarry = 0;
    } else {
        panels_.setCaption(Role::kClockSwitch, Language::translate(" Uhr Start"));
    }
}

void ClockAndSpeed::setSpeed(int value) {
    // The bar's value is a 16-bit whole number.
    const auto hundredths = static_cast<std::int16_t>(value);
    const FloatStatusCheck check;
    state_.dt = toStored(double(hundredths) / Chain::kStepBarScale);
    writeSpeedMeaning(panels_, hundredths);
}
