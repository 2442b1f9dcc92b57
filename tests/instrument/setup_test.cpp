// The starting setup read from an address: names in German and English, values as the read-outs
// show them, every malformed part ignored with its note, the rest applied through the
// instrument's front door; the settings written back into a link reproduce themselves.

#include "core/chain_constants.h"
#include "instrument/indicators.h"
#include "instrument/instrument.h"
#include "instrument/query_text.h"
#include "instrument/read_out_text.h"
#include "instrument/setup.h"
#include "language/language.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

#define SWITCH_WORDS "an/aus, ein/aus, ja/nein, on/off, yes/no, 1/0"
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
    // carrier, amplitude, period, drive, damping, obstacle, refraction, speed, clock, halt; every
    // switch and the halt take the same words
    EXPECT_EQ(valuesOf(::Setup::parse("?traeger=pendel&periode=22&daempfung=aus")),
              (std::vector<int>{1, -1, 220, -1, 0, -1, -1, -1, -1, -1}));
    EXPECT_EQ(valuesOf(::Setup::parse("Carrier=Pendulum&amplitude=1,4&period=22.5&drive=JA&"
                                      "damping=1&obstacle=nein&refraction=yes&speed=+30&clock=ein&"
                                      "run=aus")),
              (std::vector<int>{1, 14, 225, 1, 1, 0, 1, 30, 1, 1}));
    EXPECT_EQ(valuesOf(::Setup::parse("tr%C3%A4ger=torsion&amplitude=%202.0%20&anregung=on&"
                                      "d%C3%A4mpfung=an&hindernis=yes&brechung=0&tempo=050&"
                                      "uhr=off&lauf=ja&&")),
              (std::vector<int>{0, 20, -1, 1, 1, 1, 0, 50, 0, 0}));
    EXPECT_EQ(::Setup::parse("lang=EN").language(), "en");
    EXPECT_EQ(::Setup::parse("sprache=de&halt=ja").language(), "de");
    EXPECT_FALSE(::Setup::parse("halt=ja").language());
    EXPECT_TRUE(::Setup::parse("lang=en&halt=nein&periode=22").notes().empty());
    // A language the program does not have is noted; the next one given counts.
    const ::Setup french = ::Setup::parse("lang=fr&sprache=en");
    EXPECT_EQ(french.language(), "en");
    EXPECT_EQ(french.notes(),
              std::vector<std::string>{"„lang=fr“ wird übergangen: erlaubt ist de, en."});
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
         {"„farbe=rot“ ist keine Einstellung und wird übergangen."}},
        {"periode=abc", none, {"„periode=abc“ wird übergangen: „abc“ ist keine Zahl."}},
        {"periode", none, {"„periode“ wird übergangen: „“ ist keine Zahl."}},
        {"periode=1e3&amplitude=,5&tempo=2.&uhr=",
         none,
         {"„periode=1e3“ wird übergangen: „1e3“ ist keine Zahl.",
          "„amplitude=,5“ wird übergangen: „,5“ ist keine Zahl.",
          "„tempo=2.“ wird übergangen: „2.“ ist keine Zahl.",
          "„uhr=“ wird übergangen: erlaubt ist " SWITCH_WORDS "."}},
        {"amplitude=1.45&tempo=2,5&periode=22.50",
         {-1, -1, 225, -1, -1, -1, -1, -1, -1, -1},
         {"„amplitude=1.45“ wird übergangen: der Wert geht in Schritten von 0,1.",
          "„tempo=2,5“ wird übergangen: der Wert geht in Schritten von 1."}},
        {"traeger=seil&halt=vielleicht",
         none,
         {"„traeger=seil“ wird übergangen: erlaubt ist torsion oder pendel.",
          "„halt=vielleicht“ wird übergangen: erlaubt ist " SWITCH_WORDS "."}},
        {"periode=2000&amplitude=0&tempo=-3&uhr=an",
         {-1, -1, -1, -1, -1, -1, -1, -1, 1, -1},
         {"„periode=2000“ wird übergangen: der Wert liegt nicht zwischen 1 und 100.",
          "„amplitude=0“ wird übergangen: der Wert liegt nicht zwischen 0,1 und 2.",
          "„tempo=-3“ wird übergangen: der Wert liegt nicht zwischen 1 und 50."}},
        {"periode=99999999999999999999999",
         none,
         {"„periode=99999999999999999999999“ wird übergangen: der Wert liegt nicht zwischen 1 "
          "und 100."}},
        // The part ignored is named as given, the one that counts after it.
        {"periode=22&period=30&halt=ja&Lauf=%20ja&lang=en&sprache=de",
         {-1, -1, 220, -1, -1, -1, -1, -1, -1, 1},
         {"„period=30“ wird übergangen: die Einstellung ist schon als „periode=22“ angegeben.",
          "„Lauf= ja“ wird übergangen: die Einstellung ist schon als „halt=ja“ angegeben.",
          "„sprache=de“ wird übergangen: die Einstellung ist schon als „lang=en“ angegeben."}},
        // Bytes that are no text, control characters and a name too long to quote whole.
        {"x%FF%01%E2%82=1&%3Cb%3Edies_ist_ein_sehr_langer_name%3C%2Fb%3E=1",
         none,
         {"„x\uFFFD\uFFFD\uFFFD\uFFFD=1“ ist keine Einstellung und wird übergangen.",
          "„<b>dies_ist_ein_sehr_lan…=1“ ist keine Einstellung und wird übergangen."}},
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
                              "“farbe=rot” is not a setting and is ignored."}));
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

namespace {

// A random address of right and wrong parts, each with what it must do: the settings it gives and
// how many parts must be noted.
struct RandomAddress {
    std::string text;
    std::vector<int> values = std::vector<int>(::Setup::kApplied, -1);
    std::size_t noted = 0;
};

RandomAddress randomAddress(std::mt19937& random) {
    // Each setting's names and its good values, as text and steps.
    struct Kind {
        std::vector<const char*> names;
        std::vector<std::pair<const char*, int>> good;
        std::vector<const char*> bad; // malformed, between steps or out of range
    };
    static const std::vector<Kind> kinds = {
        {{"traeger", "carrier", "TRAEGER", "tr%C3%A4ger"},
         {{"torsion", 0}, {"pendel", 1}, {"Pendulum", 1}},
         {"seil", "", "1", "pendel%00"}},
        {{"amplitude", "Amplitude"},
         {{"0.1", 1}, {"2", 20}, {"1,5", 15}, {"+1.30", 13}, {"%201%20", 10}},
         {"0", "2.1", "1.05", "abc", "1e1", "-1", ",5", "1.", "99999999999999999999", "1..2"}},
        {{"periode", "period"},
         {{"1", 10}, {"100", 1000}, {"22,5", 225}, {"007", 70}},
         {"0.9", "100.1", "22.55", "", "x", "%FF", "2 2"}},
        {{"anregung", "drive"}, {{"an", 1}, {"aus", 0}, {"ja", 1}, {"OFF", 0}}, {"jein", "2"}},
        {{"daempfung", "damping"}, {{"an", 1}, {"aus", 0}, {"ein", 1}}, {"halb", ""}},
        {{"hindernis", "obstacle"}, {{"on", 1}, {"off", 0}, {"Yes", 1}}, {"yess"}},
        {{"brechung", "refraction"}, {{"an", 1}, {"aus", 0}, {"0", 0}}, {"null", "00"}},
        {{"tempo", "speed"}, {{"1", 1}, {"50", 50}, {"30", 30}}, {"0", "51", "2.5", "schnell"}},
        {{"uhr", "clock"}, {{"an", 1}, {"off", 0}}, {"start"}},
        {{"halt", "lauf", "run"},
         {{"ja", 1}, {"nein", 0}, {"YES", 1}, {"no", 0}, {"an", 1}, {"1", 1}},
         {"vielleicht"}},
    };
    static const std::vector<const char*> unknown = {"farbe",  "x", "%E2%82",       "a%26b",
                                                     "trager", "=", "%3Cscript%3E", "lang%00"};
    const auto pick = [&random](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    RandomAddress address;
    std::vector<bool> claimed(::Setup::kApplied, false);
    const std::size_t parts = pick(9);
    address.text = pick(2) ? "?" : "";
    for (std::size_t p = 0; p < parts; ++p) {
        address.text += p > 0 ? (pick(8) ? "&" : "&&") : "";
        if (pick(6) == 0) {
            address.text += std::string(unknown[pick(unknown.size())]) + (pick(2) ? "=1" : "");
            ++address.noted;
            continue;
        }
        const std::size_t setting = pick(kinds.size());
        const Kind& kind = kinds[setting];
        const std::size_t nameIndex = pick(kind.names.size());
        const bool inverted = setting == ::Setup::kApplied - 1 && nameIndex > 0;
        address.text += std::string(kind.names[nameIndex]) + "=";
        if (claimed[setting]) {
            ++address.noted;
            address.text += kind.good[0].first;
        } else if (pick(3) == 0) {
            ++address.noted;
            address.text += kind.bad[pick(kind.bad.size())];
        } else {
            const auto& [text, value] = kind.good[pick(kind.good.size())];
            address.text += text;
            address.values[setting] = inverted ? 1 - value : value;
        }
        claimed[setting] = true;
    }
    return address;
}

// What the controls show agrees with the chain state: no read-out, indicator or caption shows a
// setting that is not in force.
void expectShownInForce(const Instrument& instrument, const std::string& address) {
    const ChainState& s = instrument.state();
    const Panels& p = instrument.panels();
    EXPECT_EQ(p.caption(Role::kAmplitudeReadout), ReadOutText::ofSingle(s.amplitude, ","))
        << address;
    EXPECT_EQ(p.caption(Role::kPeriodReadout),
              ReadOutText::ofDouble(p.value(Role::kPeriodBar) / Chain::kPeriodBarScale, ","))
        << address;
    EXPECT_EQ(s.dt, float(p.value(Role::kSpeedBar) / Chain::kStepBarScale)) << address;
    EXPECT_EQ(p.caption(Role::kDriveState), onOffText(s.harmonicOn == 1)) << address;
    EXPECT_EQ(p.caption(Role::kDampingIndicator), onOffText(s.endDamping == Chain::kDampingOn))
        << address;
    EXPECT_EQ(p.caption(Role::kObstacleIndicator), onOffText(s.obstacleOn == 1)) << address;
    EXPECT_EQ(p.caption(Role::kRefractionIndicator), onOffText(s.refractionOn == 1)) << address;
    EXPECT_EQ(p.caption(Role::kHaltButton), s.halted == 1 ? "Weiter" : "Halt") << address;
    EXPECT_EQ(p.caption(Role::kClockSwitch).find("Stopp") != std::string::npos, s.clockOn == 1)
        << address;
    EXPECT_EQ(p[Role::kPendulumOption].checked, s.selfCoeff == Chain::kPendulumSelfCoeff)
        << address;
    EXPECT_NE(p[Role::kPendulumOption].checked, p[Role::kTorsionOption].checked) << address;
}

} // namespace

// Seeded random addresses (ONDIX_SETUP_SEED replays a run, ONDIX_SETUP_ADDRESSES sets how many):
// each setting given right applies, each wrong part is noted, and what is shown is in force.
TEST(Setup, RandomAddressesApplyWhatIsRightAndNoteTheRest) {
    const char* seedText = std::getenv("ONDIX_SETUP_SEED");
    const char* countText = std::getenv("ONDIX_SETUP_ADDRESSES");
    const unsigned seed =
        seedText ? unsigned(std::strtoul(seedText, nullptr, 10)) : unsigned(std::random_device{}());
    const int count = countText ? std::atoi(countText) : 10000;
    std::printf("seed %u (replay with ONDIX_SETUP_SEED=%u), %d addresses\n", seed, seed, count);
    std::mt19937 random(seed);
    Instrument reference(",");
    reference.start();
    const std::vector<int> start = valuesOf(::Setup::of(reference));
    for (int i = 0; i < count && !HasFailure(); ++i) {
        const RandomAddress address = randomAddress(random);
        ::Setup setup = ::Setup::parse(address.text);
        Instrument instrument(",");
        instrument.start(&setup);
        std::vector<int> expected = address.values;
        for (std::size_t k = 0; k < expected.size(); ++k) {
            expected[k] = expected[k] < 0 ? start[k] : expected[k];
        }
        EXPECT_EQ(valuesOf(::Setup::of(instrument)), expected) << address.text;
        EXPECT_EQ(setup.notes().size(), address.noted > 8 ? 9 : address.noted) << address.text;
        expectShownInForce(instrument, address.text);
    }
}
