// The panels in the language chosen before the instrument is made: captions that change with
// the handlers' state, and read-outs with the language's decimal separator.
#include "instrument/instrument.h"
#include "language/language.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Shown {
    std::string amplitude, period, halt, mode, clock, info, damping;
    bool operator==(const Shown&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const Shown& s) {
        return out << s.amplitude << '|' << s.period << '|' << s.halt << '|' << s.mode << '|'
                   << s.clock << '|' << s.info << '|' << s.damping;
    }
};

Shown afterSomeClicks(const char* language) {
    EXPECT_TRUE(Language::use(language));
    Instrument instrument{std::string(Language::decimalSeparator(","))};
    instrument.start();
    instrument.scroll(Role::kAmplitudeBar, 15);
    instrument.scroll(Role::kPeriodBar, 255);
    instrument.click(Role::kHaltButton);
    instrument.click(Role::kClockSwitch);
    instrument.click(Role::kPendulumOption);
    instrument.click(Role::kDampingSwitch);
    const Panels& p = instrument.panels();
    Shown shown{p.caption(Role::kAmplitudeReadout), p.caption(Role::kPeriodReadout),
                p.caption(Role::kHaltButton),       p.caption(Role::kModeLabel),
                p.caption(Role::kClockSwitch),      p.caption(Role::kInfoButton),
                p.caption(Role::kDampingLabel)};
    Language::use("de");
    return shown;
}

TEST(PanelsLanguage, CaptionsAndReadOutsFollowTheLanguage) {
    const std::vector<std::pair<const char*, Shown>> expected{
        {"en",
         {"1.5", "25.5", "Continue", "Halted", " Stop clock", "   About the pendulum chain",
          "Damping off"}},
        {"de",
         {"1,5", "25,5", "Weiter", "Halt", " Uhr Stopp", "   Info zur Pendelkette",
          "Dämpfung off"}}};
    for (const auto& [language, want] : expected) {
        EXPECT_EQ(afterSomeClicks(language), want) << language;
    }
}

} // namespace
