// The panels in the language chosen before the instrument is made: captions that change with
// the handlers' state, and read-outs with the language's decimal separator.
#include "instrument/instrument.h"
#include "language/language.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Shown {
    std::string amplitude, period, halt, mode, clock, info, damping;
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
    const Shown english = afterSomeClicks("en");
    EXPECT_EQ(english.amplitude, "1.5");
    EXPECT_EQ(english.period, "25.5");
    EXPECT_EQ(english.halt, "Continue");
    EXPECT_EQ(english.mode, "Halted");
    EXPECT_EQ(english.clock, " Stop clock");
    EXPECT_EQ(english.info, "   About the pendulum chain");
    EXPECT_EQ(english.damping, "Damping off");
    const Shown german = afterSomeClicks("de");
    EXPECT_EQ(german.amplitude, "1,5");
    EXPECT_EQ(german.period, "25,5");
    EXPECT_EQ(german.halt, "Weiter");
    EXPECT_EQ(german.mode, "Halt");
    EXPECT_EQ(german.clock, " Uhr Stopp");
    EXPECT_EQ(german.info, "   Info zur Pendelkette");
    EXPECT_EQ(german.damping, "Dämpfung off");
}

} // namespace
