// The starting setup read from an address: names in German and English, values as the read-outs
// show them, every malformed part ignored with its note, the rest applied through the
// instrument's front door; the settings written back into a link reproduce themselves.

#include "core/chain_constants.h"
#include "instrument/indicators.h"
#include "instrument/instrument.h"
#include "instrument/query_text.h"
#include "instrument/read_out_text.h"
#include "instrument/setup.h"
#include "instrument/start_sequence.h"
#include "language/language.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
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

// The values as one line, "-" where the setup leaves a setting: "1 - 220 - 0 - - - - - - -".
std::string listed(const std::vector<int>& values) {
    std::string line;
    for (const int value : values) {
        if (!line.empty()) {
            line += ' ';
        }
        line += value < 0 ? std::string("-") : std::to_string(value);
    }
    return line;
}
constexpr const char* kNone = "- - - - - - - - - - - -";

// The setup held to the ranges of a fresh instrument, as a front end has it before the start.
::Setup fitted(std::string_view text) {
    ::Setup setup = ::Setup::parse(text);
    setup.fitTo(Instrument(","));
    return setup;
}

// What the controls show of every setting, and what they must show for the settings in force:
// no read-out, indicator or caption shows a setting that is not in force.
Lines shown(const Instrument& instrument) {
    const Panels& p = instrument.panels();
    return {"options " + std::to_string(p[Role::kPendulumOption].checked) + " " +
                std::to_string(p[Role::kTorsionOption].checked),
            "amplitude " + p.caption(Role::kAmplitudeReadout),
            "period " + p.caption(Role::kPeriodReadout),
            "speed " + std::to_string(p.value(Role::kSpeedBar)),
            "drive " + p.caption(Role::kDriveState),
            "damping " + p.caption(Role::kDampingIndicator),
            "obstacle " + p.caption(Role::kObstacleIndicator),
            "refraction " + p.caption(Role::kRefractionIndicator),
            "clock " + p.caption(Role::kClockSwitch),
            "halt " + p.caption(Role::kHaltButton)};
}
Lines inForce(const Instrument& instrument) {
    const ChainState& s = instrument.state();
    const Panels& p = instrument.panels();
    const bool pendulum = s.selfCoeff == Chain::kPendulumSelfCoeff;
    const std::string clock = p.caption(Role::kClockSwitch);
    return {pendulum ? "options 1 0" : "options 0 1",
            "amplitude " + ReadOutText::ofSingle(s.amplitude, ","),
            "period " +
                ReadOutText::ofDouble(p.value(Role::kPeriodBar) / Chain::kPeriodBarScale, ","),
            "speed " + std::to_string(p.value(Role::kSpeedBar)),
            "drive " + std::string(onOffText(s.harmonicOn == 1)),
            "damping " + std::string(onOffText(s.endDamping == Chain::kDampingOn)),
            "obstacle " + std::string(onOffText(s.obstacleOn == 1)),
            "refraction " + std::string(onOffText(s.refractionOn == 1)),
            s.clockOn == 1         ? "clock  Uhr Stopp"
            : clock == "Uhr Start" ? "clock Uhr Start" // as the form has it, before any click
                                   : "clock  Uhr Start",
            s.halted == 1 ? "halt Weiter" : "halt Halt"};
}

} // namespace

TEST(Setup, ReadsNamesAndValuesAndIgnoresEachMalformedPartWithANote) {
    // The values of carrier, amplitude, period, drive, damping, obstacle, refraction, speed,
    // clock, halt, pulse and train ("-": left as it is); every switch, the halt and the pulse
    // take the same words.
    struct Case {
        const char* text;
        const char* values;
        Lines notes;
        const char* language = ""; // as given, for the front ends to choose
    };
    // clang-format off
    const Case cases[] = {
        {"?traeger=pendel&periode=22&daempfung=aus", "1 - 220 - 0 - - - - - - -", {}},
        {"Carrier=Pendulum&amplitude=1,4&period=22.5&drive=JA&damping=1&obstacle=nein&refraction=yes&speed=+30&clock=ein&run=aus",
         "1 14 225 1 1 0 1 30 1 1 - -", {}},
        {"tr%C3%A4ger=torsion&amplitude=%202.0%20&anregung=on&d%C3%A4mpfung=an&hindernis=yes&brechung=0&tempo=050&uhr=off&lauf=ja&&",
         "0 20 - 1 1 1 0 50 0 0 - -", {}},
        {"amplitude=0.1&periode=100&tempo=1", "- 1 1000 - - - - 1 - - - -", {}}, // the ends of the ranges
        {"farbe=rot&periode=30", "- - 300 - - - - - - - - -", {"„farbe=rot“ ist keine Einstellung und wird übergangen."}},
        {"periode=abc", kNone, {"„periode=abc“ wird übergangen: „abc“ ist keine Zahl."}},
        // A value refused does not count as given: a later one for the setting is taken.
        {"periode=abc&periode=50&traeger=seil&traeger=pendel&periode=2000&periode=40", "1 - 500 - - - - - - - - -",
         {"„periode=abc“ wird übergangen: „abc“ ist keine Zahl.",
          "„traeger=seil“ wird übergangen: erlaubt ist torsion oder pendel.",
          "„periode=2000“ wird übergangen: die Einstellung ist schon als „periode=50“ angegeben.",
          "„periode=40“ wird übergangen: die Einstellung ist schon als „periode=50“ angegeben."}},
        {"periode=2000&periode=abc&periode=3000&periode=30&periode=40", "- - 300 - - - - - - - - -",
         {"„periode=2000“ wird übergangen: der Wert liegt nicht zwischen 1 und 100.",
          "„periode=abc“ wird übergangen: „abc“ ist keine Zahl.",
          "„periode=3000“ wird übergangen: der Wert liegt nicht zwischen 1 und 100.",
          "„periode=40“ wird übergangen: die Einstellung ist schon als „periode=30“ angegeben."}},
        {"periode", kNone, {"„periode“ wird übergangen: „“ ist keine Zahl."}},
        {"periode=1e3&amplitude=,5&tempo=2.&uhr=", kNone,
         {"„periode=1e3“ wird übergangen: „1e3“ ist keine Zahl.",
          "„amplitude=,5“ wird übergangen: „,5“ ist keine Zahl.",
          "„tempo=2.“ wird übergangen: „2.“ ist keine Zahl.",
          "„uhr=“ wird übergangen: erlaubt ist " SWITCH_WORDS "."}},
        {"amplitude=1.45&tempo=2,5&periode=22.50", "- - 225 - - - - - - - - -",
         {"„amplitude=1.45“ wird übergangen: der Wert geht in Schritten von 0,1.",
          "„tempo=2,5“ wird übergangen: der Wert geht in Schritten von 1."}},
        {"traeger=seil&halt=vielleicht", kNone,
         {"„traeger=seil“ wird übergangen: erlaubt ist torsion oder pendel.",
          "„halt=vielleicht“ wird übergangen: erlaubt ist " SWITCH_WORDS "."}},
        {"periode=2000&amplitude=0&tempo=-3&uhr=an", "- - - - - - - - 1 - - -",
         {"„periode=2000“ wird übergangen: der Wert liegt nicht zwischen 1 und 100.",
          "„amplitude=0“ wird übergangen: der Wert liegt nicht zwischen 0,1 und 2.",
          "„tempo=-3“ wird übergangen: der Wert liegt nicht zwischen 1 und 50."}},
        {"periode=99999999999999999999999", kNone,
         {"„periode=99999999999999999999999“ wird übergangen: der Wert liegt nicht zwischen 1 und 100."}},
        // The part ignored is named as given, the one that counts after it.
        {"periode=22&period=30&halt=ja&Lauf=%20ja&lang=en&sprache=de", "- - 220 - - - - - - 1 - -",
         {"„period=30“ wird übergangen: die Einstellung ist schon als „periode=22“ angegeben.",
          "„Lauf= ja“ wird übergangen: die Einstellung ist schon als „halt=ja“ angegeben.",
          "„sprache=de“ wird übergangen: die Einstellung ist schon als „lang=en“ angegeben."}, "en"},
        // Bytes that are no text, control characters and a name too long to quote whole.
        {"x%FF%01%E2%82=1&%3Cb%3Edies_ist_ein_sehr_langer_name%3C%2Fb%3E=1", kNone,
         {"„x\uFFFD\uFFFD\uFFFD\uFFFD=1“ ist keine Einstellung und wird übergangen.",
          "„<b>dies_ist_ein_sehr_lan…=1“ ist keine Einstellung und wird übergangen."}},
        // Eight notes, and how many more.
        {"a&b&c&d&e&f&g&h&i&j&periode=40", "- - 400 - - - - - - - - -",
         {"„a“ ist keine Einstellung und wird übergangen.", "„b“ ist keine Einstellung und wird übergangen.",
          "„c“ ist keine Einstellung und wird übergangen.", "„d“ ist keine Einstellung und wird übergangen.",
          "„e“ ist keine Einstellung und wird übergangen.", "„f“ ist keine Einstellung und wird übergangen.",
          "„g“ ist keine Einstellung und wird übergangen.", "„h“ ist keine Einstellung und wird übergangen.",
          "… und 2 weitere übergangene Angaben."}},
        {"", kNone, {}},
        {"?", kNone, {}},
        {"%", kNone, {"„%“ ist keine Einstellung und wird übergangen."}},
        {"lang=EN", kNone, {}, "en"},
        {"sprache=de&halt=ja", "- - - - - - - - - 1 - -", {}, "de"},
        {"lang=en&halt=nein&periode=22", "- - 220 - - - - - - 0 - -", {}, "en"},
        {"puls=an&zug=10", "- - - - - - - - - - 1 10", {}},
        {"pulse=nein&train=11&zug=2,5", "- - - - - - - - - - 0 -",
         {"„train=11“ wird übergangen: der Wert liegt nicht zwischen 1 und 10.",
          "„zug=2,5“ wird übergangen: der Wert geht in Schritten von 1."}},
        {"zug=0,5", kNone, {"„zug=0,5“ wird übergangen: der Wert geht in Schritten von 1."}},
        // A language the program does not have is noted; the next one given counts.
        {"lang=fr&sprache=en", kNone, {"„lang=fr“ wird übergangen: erlaubt ist de, en."}, "en"},
    };
    // clang-format on
    for (const Case& c : cases) {
        const ::Setup setup = fitted(c.text);
        EXPECT_EQ(listed(valuesOf(setup)), c.values) << c.text;
        EXPECT_EQ(setup.notes(), c.notes) << c.text;
        EXPECT_EQ(setup.language().value_or(""), c.language) << c.text;
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
    StartSequence::start(instrument, setup);
    // What the controls show, as after the same clicks and moves by hand.
    EXPECT_EQ(shown(instrument), (Lines{"options 1 0", "amplitude 1,4", "period 22,5", "speed 30",
                                        "drive On", "damping Off", "obstacle On", "refraction On",
                                        "clock  Uhr Stopp", "halt Weiter"}));
    EXPECT_FLOAT_EQ(instrument.state().dt, 0.3f);
    EXPECT_EQ(instrument.runPasses(10), 0) << "a halted start runs no pass";
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
    StartSequence::start(again, startValues);
    EXPECT_EQ(::Setup::of(again).text(), startText);
    EXPECT_EQ(again.panels().caption(Role::kInfoButton),
              reference.panels().caption(Role::kInfoButton));
    EXPECT_EQ(again.panels().caption(Role::kPeriodReadout), "25");

    // "Zurück zum Start" after every setting changed by hand and passes run: the chain cleared,
    // every setting as the starting setup left it, or as at the start without one. The two
    // starts differ in every setting: each is changed by the clicks and moves of the other's.
    for (auto [m, other] : {std::pair{&instrument, &reference}, {&reference, &instrument}}) {
        const std::string started = ::Setup::of(*m).text();
        ::Setup::parse(::Setup::of(*other).text()).applyTo(*m);
        if (m->state().halted == 1) {
            m->click(Role::kHaltButton);
        }
        EXPECT_EQ(m->runPasses(100), 100);
        EXPECT_NE(::Setup::of(*m).text(), started);
        m->click(Role::kStartButton);
        EXPECT_EQ(::Setup::of(*m).text(), started);
        EXPECT_EQ(shown(*m), inForce(*m));
        const ChainState& s = m->state(); // every mass at rest, the clock at 0
        EXPECT_EQ(std::count(&s.y[0], &s.y[98], 0.0f) + std::count(&s.v[0], &s.v[98], 0.0f), 196);
        EXPECT_EQ(s.clockTime, 0.0f);
    }
}

// A pulse or a train sent by a link, pass by pass: the passes the drive runs, the sign changes
// of y(0) on the way, its swing up (y < 0) and down, y(0) at the last of them and the drive's
// state then, and y(0) and the drive 50 passes later. The button's pulse, switched off by hand 60
// passes on, stays where its end stands, just short of the sine's peak: -sin(0.48 pi).
TEST(Setup, PulseAndTrainRunFromRestToRestAndSwitchTheDriveOff) {
    std::string seen;
    for (const char* text : {"puls=an", "pulse=on&amplitude=2&periode=10&tempo=30", "zug=1",
                             "train=3&periode=2,5", "anregung=an&puls=ja", "by hand"}) {
        const bool byHand = std::string_view(text) == "by hand";
        Instrument m(",");
        ::Setup setup = ::Setup::parse(byHand ? "" : text);
        StartSequence::start(m, setup);
        if (byHand) {
            m.click(Role::kPulseButton);
            m.runPasses(60);
            m.click(Role::kDriveSwitch);
        }
        const ChainState& s = m.state();
        int passes = 0, crossings = 0;
        float up = 0, down = 0, last = 0;
        for (; s.harmonicOn == 1 && passes < 5000; ++passes) {
            m.runPasses(1);
            crossings += last * s.y[0] < 0 || (s.y[0] == 0 && s.harmonicOn == 1);
            last = s.y[0] != 0 ? s.y[0] : last;
            up = std::min(up, s.y[0]), down = std::max(down, s.y[0]);
        }
        char line[160];
        std::snprintf(line, sizeof line, "%s: %d %d %.2f %.2f %g %s", text, passes, crossings, up,
                      down, s.y[0], m.panels().caption(Role::kDriveState).c_str());
        m.runPasses(50);
        seen += line + std::string(" ") + std::to_string(s.y[0] + s.harmonicOn) + "\n";
    }
    EXPECT_EQ(seen, "puls=an: 125 0 -1.00 0.00 0 Off 0.000000\n"
                    "pulse=on&amplitude=2&periode=10&tempo=30: 17 0 -2.00 0.00 0 Off 0.000000\n"
                    "zug=1: 250 1 -1.00 1.00 0 Off 0.000000\n"
                    "train=3&periode=2,5: 75 5 -1.00 1.00 0 Off 0.000000\n"
                    "anregung=an&puls=ja: 125 0 -1.00 0.00 0 Off 0.000000\n"
                    "by hand: 0 0 0.00 0.00 -0.998027 Off -0.998027\n");
}

TEST(QueryText, DecodesAndEncodesTheParts) {
    Lines pairs;
    for (const QueryText::Pair& pair : QueryText::pairs("?a+b=c%2Bd%26&=x&y&%zz=%4")) {
        pairs.push_back(pair.name + "|" + pair.value);
    }
    EXPECT_EQ(pairs, (Lines{"a b|c+d&", "|x", "y|", "%zz|%4"}));
    EXPECT_EQ(QueryText::encoded("de-AT x&ü,1.5"), "de-AT%20x%26%C3%BC,1.5");
}

namespace {

// A random address of right and wrong parts, each with what it must do: the settings it gives,
// over those of a start without one, and how many parts must be noted.
struct RandomAddress {
    std::string text;
    std::vector<int> values;
    std::size_t noted = 0;
};

RandomAddress randomAddress(std::mt19937& random, const std::vector<int>& start) {
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
    RandomAddress address{{}, start};
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
        const bool inverted = setting == std::size_t(Setting::Halt) && nameIndex > 0;
        address.text += std::string(kind.names[nameIndex]) + "=";
        if (claimed[setting]) {
            ++address.noted;
            address.text += kind.good[0].first;
        } else if (pick(3) == 0) {
            // Refused, it does not count as given: a later good value still counts.
            ++address.noted;
            address.text += kind.bad[pick(kind.bad.size())];
        } else {
            const auto& [text, value] = kind.good[pick(kind.good.size())];
            address.text += text;
            address.values[setting] = inverted ? 1 - value : value;
            claimed[setting] = true;
        }
    }
    return address;
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
        const RandomAddress address = randomAddress(random, start);
        ::Setup setup = ::Setup::parse(address.text);
        Instrument instrument(",");
        StartSequence::start(instrument, setup);
        EXPECT_EQ(valuesOf(::Setup::of(instrument)), address.values) << address.text;
        EXPECT_EQ(setup.notes().size(), address.noted > 8 ? 9 : address.noted) << address.text;
        EXPECT_EQ(shown(instrument), inForce(instrument)) << address.text;
        EXPECT_EQ(instrument.state().dt,
                  float(instrument.panels().value(Role::kSpeedBar) / Chain::kStepBarScale))
            << address.text;
    }
}
