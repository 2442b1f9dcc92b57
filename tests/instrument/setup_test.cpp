// The starting setup read from an address: names in German and English, values as the read-outs
// show them, every malformed part ignored with its note, the rest applied through the
// instrument's front door; the settings written back into a link reproduce themselves.

#include "instrument/instrument.h"
#include "instrument/query_text.h"
#include "instrument/setup.h"
#include "language/language.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Setting = ::Setup::Setting;
using Lines = std::vector<std::string>;

// Every setting's value, or -1 where the setup leaves it.
std::vector<int> valuesOf(const ::Setup& setup) {
    std::vector<int> values;
    for (std::size_t i = 0; i < ::Setup::kApplied; ++i) {
        values.push_back(setup.value(static_cast<Setting>(i)).value_or(-1));
    }
    return values;
}

// The setup held to the ranges of a fresh instrument, as a front end has it before the start.
::Setup fitted(std::string_view text) {
    ::Setup setup = ::Setup::parse(text);
    const Instrument instrument(",");
    setup.fitTo(instrument);
    return setup;
}

} // namespace

TEST(Setup, ReadsGermanAndEnglishNamesInTheReadOutsUnits) {
    // carrier, amplitude, period, drive, damping, obstacle, refraction, speed, clock, halt
    EXPECT_EQ(valuesOf(::Setup::parse("?traeger=pendel&periode=22&daempfung=aus")),
              (std::vector<int>{1, -1, 220, -1, 0, -1, -1, -1, -1, -1}));
    EXPECT_EQ(valuesOf(::Setup::parse("Carrier=Pendulum&amplitude=1,4&period=22.5&drive=ON&"
                                      "damping=on&obstacle=off&refraction=on&speed=+30&clock=on&"
                                      "run=no")),
              (std::vector<int>{1, 14, 225, 1, 1, 0, 1, 30, 1, 1}));
    EXPECT_EQ(valuesOf(::Setup::parse("tr%C3%A4ger=torsion&amplitude=%202.0%20&anregung=ein&"
                                      "d%C3%A4mpfung=an&hindernis=an&brechung=aus&tempo=050&"
                                      "uhr=aus&lauf=ja&&")),
              (std::vector<int>{0, 20, -1, 1, 1, 1, 0, 50, 0, 0}));
    EXPECT_EQ(::Setup::parse("lang=EN").language(), "en");
    EXPECT_EQ(::Setup::parse("sprache=de&halt=ja").language(), "de");
    EXPECT_FALSE(::Setup::parse("halt=ja").language());
    EXPECT_TRUE(::Setup::parse("lang=en&halt=nein&periode=22").notes().empty());
}

TEST(Setup, IgnoresEachMalformedPartWithANoteAndKeepsTheRest) {
    struct Case {
        const char* text;
        std::vector<int> values;
        Lines notes;
    };
    const std::vector<int> none(::Setup::kApplied, -1);
    const Case cases[] = {
        {"farbe=rot&periode=30",
         {-1, -1, 300, -1, -1, -1, -1, -1, -1, -1},
         {"„farbe“ ist keine Einstellung und wird übergangen."}},
        {"periode=abc", none, {"„periode=abc“ wird übergangen: „abc“ ist keine Zahl."}},
        {"periode", none, {"„periode=“ wird übergangen: „“ ist keine Zahl."}},
        {"periode=1e3&amplitude=,5&tempo=2.&uhr=",
         none,
         {"„periode=1e3“ wird übergangen: „1e3“ ist keine Zahl.",
          "„amplitude=,5“ wird übergangen: „,5“ ist keine Zahl.",
          "„tempo=2.“ wird übergangen: „2.“ ist keine Zahl.",
          "„uhr=“ wird übergangen: erlaubt ist an oder aus."}},
        {"amplitude=1.45&tempo=2,5&periode=22.50",
         {-1, -1, 225, -1, -1, -1, -1, -1, -1, -1},
         {"„amplitude=1.45“ wird übergangen: der Wert geht in Schritten von 0,1.",
          "„tempo=2,5“ wird übergangen: der Wert geht in Schritten von 1."}},
        {"traeger=seil&halt=vielleicht",
         none,
         {"„traeger=seil“ wird übergangen: erlaubt ist torsion oder pendel.",
          "„halt=vielleicht“ wird übergangen: erlaubt ist ja oder nein."}},
        {"periode=2000&amplitude=0&tempo=-3&uhr=an",
         {-1, -1, -1, -1, -1, -1, -1, -1, 1, -1},
         {"„periode=2000“ wird übergangen: der Wert liegt nicht zwischen 1 und 100.",
          "„amplitude=0“ wird übergangen: der Wert liegt nicht zwischen 0,1 und 2.",
          "„tempo=-3“ wird übergangen: der Wert liegt nicht zwischen 1 und 50."}},
        {"periode=99999999999999999999999",
         none,
         {"„periode=99999999999999999999999“ wird übergangen: der Wert liegt nicht zwischen 1 "
          "und 100."}},
        {"periode=22&period=30&lauf=ja&halt=ja&lang=en&sprache=de",
         {-1, -1, 220, -1, -1, -1, -1, -1, -1, 0},
         {"„period“ ist schon gesetzt; die weitere Angabe wird übergangen.",
          "„halt“ ist schon gesetzt; die weitere Angabe wird übergangen.",
          "„sprache“ ist schon gesetzt; die weitere Angabe wird übergangen."}},
        // Bytes that are no text, control characters and a name too long to quote whole.
        {"x%FF%01%E2%82=1&%3Cb%3Edies_ist_ein_sehr_langer_name%3C%2Fb%3E=1",
         none,
         {"„x\uFFFD\uFFFD\uFFFD\uFFFD“ ist keine Einstellung und wird übergangen.",
          "„<b>dies_ist_ein_sehr_lan…“ ist keine Einstellung und wird übergangen."}},
        {"a&b&c&d&e&f&g&h&i&j&periode=40",
         {-1, -1, 400, -1, -1, -1, -1, -1, -1, -1},
         {"„a“ ist keine Einstellung und wird übergangen.",
          "„b“ ist keine Einstellung und wird übergangen.",
          "„c“ ist keine Einstellung und wird übergangen.",
          "„d“ ist keine Einstellung und wird übergangen.",
          "„e“ ist keine Einstellung und wird übergangen.",
          "„f“ ist keine Einstellung und wird übergangen.",
          "„g“ ist keine Einstellung und wird übergangen.",
          "„h“ ist keine Einstellung und wird übergangen.",
          "… und 2 weitere übergangene Angaben."}},
        {"", none, {}},
        {"?", none, {}},
        {"%", none, {"„%“ ist keine Einstellung und wird übergangen."}},
    };
    for (const Case& c : cases) {
        const ::Setup setup = fitted(c.text);
        EXPECT_EQ(valuesOf(setup), c.values) << c.text;
        EXPECT_EQ(setup.notes(), c.notes) << c.text;
    }
}

TEST(Setup, NotesSpeakTheLanguageInUse) {
    const ::Setup setup = fitted("amplitude=1.45&periode=0,5&farbe=rot&lang=en");
    ASSERT_TRUE(Language::use("en"));
    const Lines english = setup.notes();
    const std::string heading(::Setup::notesHeading());
    Language::use("de");
    EXPECT_EQ(heading, "Setup at the start:");
    EXPECT_EQ(english, (Lines{"“amplitude=1.45” is ignored: the value goes in steps of 0.1.",
                              "“periode=0,5” is ignored: the value is not between 1 and 100.",
                              "“farbe” is not a setting and is ignored."}));
}

TEST(Setup, AppliedAsAStudentsClicksAndWrittenBackIntoALink) {
    const char* text = "traeger=pendel&amplitude=1.4&periode=22.5&anregung=an&daempfung=aus&"
                       "hindernis=an&brechung=an&tempo=30&uhr=an&halt=ja";
    Instrument instrument(",");
    ::Setup setup = ::Setup::parse(text);
    instrument.resize(200, 100, 1);
    instrument.start(&setup);
    const Panels& p = instrument.panels();
    // What the controls show, as after the same clicks and moves by hand.
    EXPECT_TRUE(p[Role::kPendulumOption].checked);
    EXPECT_FALSE(p[Role::kTorsionOption].checked);
    EXPECT_EQ(p.caption(Role::kAmplitudeReadout), "1,4");
    EXPECT_EQ(p.caption(Role::kPeriodReadout), "22,5");
    EXPECT_EQ(p.value(Role::kSpeedBar), 30);
    EXPECT_EQ(p.caption(Role::kDriveState), "On");
    EXPECT_EQ(p.caption(Role::kDampingIndicator), "Off");
    EXPECT_EQ(p.caption(Role::kObstacleIndicator), "On");
    EXPECT_EQ(p.caption(Role::kRefractionIndicator), "On");
    EXPECT_EQ(p.caption(Role::kClockSwitch), " Uhr Stopp");
    EXPECT_EQ(p.caption(Role::kHaltButton), "Weiter");
    EXPECT_EQ(instrument.runPasses(10), 0) << "a halted start runs no pass";
    EXPECT_FLOAT_EQ(instrument.state().dt, 0.3f);
    EXPECT_EQ(::Setup::of(instrument).text(), text);
    EXPECT_EQ(::Setup::of(instrument).text("en"), std::string(text) + "&lang=en");

    // A setting in force already makes no click: the start's settings given again change
    // nothing, not even the information button's caption, which a click on the option changes.
    Instrument reference(",");
    reference.resize(200, 100, 1);
    reference.start();
    const std::string startText = ::Setup::of(reference).text();
    EXPECT_EQ(startText, "traeger=torsion&amplitude=1&periode=25&anregung=aus&daempfung=an&"
                         "hindernis=aus&brechung=aus&tempo=10&uhr=aus&halt=nein");
    Instrument again(",");
    ::Setup startValues = ::Setup::parse(startText);
    again.resize(200, 100, 1);
    again.start(&startValues);
    EXPECT_EQ(::Setup::of(again).text(), startText);
    EXPECT_EQ(again.panels().caption(Role::kInfoButton),
              reference.panels().caption(Role::kInfoButton));
    EXPECT_EQ(again.panels().caption(Role::kPeriodReadout), "25");
}

TEST(QueryText, DecodesAndEncodesTheParts) {
    const auto pairs = QueryText::pairs("?a+b=c%2Bd%26&=x&y&%zz=%4");
    ASSERT_EQ(pairs.size(), 4u);
    EXPECT_EQ(pairs[0].name + "|" + pairs[0].value, "a b|c+d&");
    EXPECT_EQ(pairs[1].name + "|" + pairs[1].value, "|x");
    EXPECT_EQ(pairs[2].name + "|" + pairs[2].value, "y|");
    EXPECT_EQ(pairs[3].name + "|" + pairs[3].value, "%zz|%4");
    EXPECT_EQ(QueryText::encoded("de-AT x&ü,1.5"), "de-AT%20x%26%C3%BC,1.5");
}
