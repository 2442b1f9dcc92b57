// The prepared experiments, each from its link: its setup taken without a note, its instruction
// fitting its panel in every language, and the observation it promises measured on the model.

#include "instrument/experiments.h"
#include "instrument/instrument.h"
#include "instrument/setup.h"
#include "instrument/start_sequence.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <regex>
#include <set>
#include <sstream>
#include <tuple>

namespace {

// The instrument as the link "?<link>" starts it, with the notes on the link.
struct Started {
    explicit Started(const std::string& link) : setup(Setup::parse(link)) {
        m.resize(1276, 653, 1);
        notes = StartSequence::prepare(setup, m);
        StartSequence::start(m, setup);
    }
    void run(double units) { m.runPasses(int(std::lround(units / m.state().dt))); }
    // The masses' heights, up positive as the view shows them.
    std::vector<double> h() const {
        const float* y = &m.state().y[0];
        std::vector<double> heights(ChainState::kLastMass + 2);
        std::transform(y, y + heights.size(), heights.begin(), [](float v) { return -v; });
        return heights;
    }
    Setup setup;
    Instrument m{","};
    std::vector<std::string> notes;
};

enum class Seen { Highest, Lowest, Wavelength, Swing, CrestSpeed, TrainSpeed, Echo };

// The highest crest from `first` to `last`, between the masses: the top of a parabola through
// three; and the middle of the wave's energy, where a wave train is.
double crest(const std::vector<double>& h, int first, int last) {
    const auto j = std::max_element(h.begin() + first, h.begin() + last + 1) - h.begin();
    return j + (h[j - 1] - h[j + 1]) / (2 * (h[j - 1] - 2 * h[j] + h[j + 1]));
}
double centre(const std::vector<double>& h) {
    double sum = 0, moment = 0;
    for (int j = 1; j <= ChainState::kLastMass; ++j) {
        sum += h[j] * h[j], moment += j * h[j] * h[j];
    }
    return moment / sum;
}

// What a row sees after `units` time units from the link, from mass `first` to `last`. An echo
// is the deepest trough 80 units after "Löschen" and "Puls" were pressed at `units`.
double seen(Started& s, Seen what, double units, int first, int last) {
    s.run(units);
    if (what == Seen::Echo) {
        s.m.click(Role::kClearAll);
        s.m.click(Role::kPulseButton);
        s.run(80);
    }
    std::vector<double> h = s.h(), ups; // ups: where the heights cross the midline upwards
    for (int j = first; j < last; ++j) {
        if (h[j] < 0 && h[j + 1] >= 0) {
            ups.push_back(j - h[j] / (h[j + 1] - h[j]));
        }
    }
    double swing = 0; // the largest over the next 100 time units
    for (int k = 0; what == Seen::Swing && k < 100 / s.m.state().dt; ++k, s.m.runPasses(1)) {
        const auto [low, high] = std::minmax_element(h.begin() + first, h.begin() + last + 1);
        swing = std::max({swing, *high, -*low}), h = s.h();
    }
    // Paused, a crest and the train's middle followed over five steps of a time unit.
    s.m.click(Role::kHaltButton);
    s.m.runPasses(1);
    const double at = crest(s.h(), first, last), middle = centre(s.h());
    for (int k = 0; k < 5; ++k) {
        s.m.click(Role::kStepButton);
    }
    const auto [low, high] = std::minmax_element(h.begin() + first, h.begin() + last + 1);
    return what == Seen::Highest                        ? *high
           : what == Seen::Lowest || what == Seen::Echo ? *low
           : what == Seen::Wavelength
               ? (ups.size() < 2 ? 0 : (ups.back() - ups.front()) / double(ups.size() - 1))
           : what == Seen::Swing      ? swing
           : what == Seen::CrestSpeed ? (crest(s.h(), int(at) + 1, int(at) + 12) - at) / 5
                                      : (centre(s.h()) - middle) / 5;
}

// Whether `text` names `number` as a number of its own, in the language in use.
bool names(const std::string& text, double number) {
    std::ostringstream written;
    written << number;
    // Appended piece by piece: mingw's g++ 12 wrongly flags a literal plus a temporary string.
    std::string point(1, '[');
    point.append(Language::decimalSeparator(",")).append("]");
    const std::string figure = std::regex_replace(written.str(), std::regex("[.]"), point);
    return std::regex_search(text, std::regex("(^|[^0-9])" + figure + "([^0-9]|$)"));
}

// The instruction's lines at the panel's width, a character at most 90 twips wide: the form's
// normal font (8.25 pt MS Sans Serif) averages 5 pixels a character at 96 dots an inch, 75
// twips; 90 leaves room for a line of wide letters.
int linesOf(const std::string& text) {
    constexpr std::size_t width = Experiments::kPanelWidth / 90;
    int lines = 0;
    std::size_t used = width;
    for (std::size_t at = 0, end = 0; at < text.size(); at = end + 1) {
        end = std::min(text.find_first_of(" \n", at), text.size());
        // Its length in characters, not UTF-8's bytes; a paragraph begins a line.
        const auto length =
            std::size_t(std::count_if(text.begin() + long(at), text.begin() + long(end),
                                      [](char c) { return (c & 0xC0) != 0x80; }));
        if (length == 0) {
            used = width;
            continue;
        }
        used = used + 1 + length > width ? (++lines, length) : used + 1 + length;
    }
    return lines;
}

} // namespace

TEST(Experiments, EachFromItsLinkFitsItsPanelAndShowsWhatItPromises) {
    // The experiment, the settings its instruction asks for, the seconds it says to wait at the
    // speed set (0: it names none) or else the time units waited, what is seen between which
    // masses, the figure, and the numbers its instruction names.
    using Row =
        std::tuple<int, const char*, double, double, Seen, int, int, double, std::vector<double>>;
    const Row rows[] = {
        {1, "", 0, 150, Seen::Highest, 1, 97, 0.93, {}},      // back from the free end: a crest
        {1, "", 0, 247, Seen::Lowest, 1, 97, -0.86, {}},      // back from the fixed end: a trough
        {2, "", 0, 70, Seen::Wavelength, 5, 60, 19.94, {20}}, // 19.92 in theory
        // The free chain's resonances at 77.6, 55.5, 43.1 (and 35.3, 29.9), at the fast speed.
        {3, "&tempo=50", 15, 0, Seen::Swing, 1, 97, 2.01, {77.6, 15, 40}},
        {3, "&tempo=50&periode=55.5", 15, 0, Seen::Swing, 1, 97, 2.09, {}},
        {3, "&tempo=50&periode=43.1", 15, 0, Seen::Swing, 1, 97, 2.07, {}},
        {3, "&tempo=50&periode=66", 15, 0, Seen::Swing, 1, 97, 0.20, {}}, // none between
        {4, "", 0, 55, Seen::CrestSpeed, 20, 40, 1.03, {5}},
        {5, "", 0, 250, Seen::Wavelength, 2, 46, 19.86, {}}, // light
        {5, "", 0, 250, Seen::Wavelength, 50, 96, 9.82, {}}, // heavy: half
        {5, "", 0, 250, Seen::Echo, 1, 46, -0.37, {}},       // a pulse's echo: a third, a trough
        {6, "", 0, 75, Seen::Highest, 49, 97, 0.68, {}},     // passed
        {6, "", 0, 75, Seen::Lowest, 1, 47, -0.35, {}},      // reflected as a trough
        {7, "&traeger=torsion", 0, 60, Seen::Highest, 1, 97, 1.03, {}},
        {7, "", 0, 10, Seen::Highest, 1, 97, 0.47, {}}, // the pendulum chain: half at once
        {7, "", 0, 60, Seen::Highest, 1, 97, 0.35, {}}, // and spread out
        // Periods 15 and 18 reach the far end within the wait and stay there; at 22 a small
        // start-up wave runs on while the balls near the start swing.
        {8, "", 10, 0, Seen::Swing, 85, 96, 1.25, {15, 18, 22, 10}},
        {8, "&periode=18", 10, 0, Seen::Swing, 85, 96, 1.51, {}},
        {8, "&periode=18", 0, 1500, Seen::Swing, 85, 96, 1.03, {}},
        {8, "&periode=22", 10, 0, Seen::Swing, 85, 96, 0.14, {}},
        {8, "&periode=22", 10, 0, Seen::Swing, 1, 5, 0.88, {}},
        {9, "", 0, 90, Seen::CrestSpeed, 35, 45, 1.49, {3}}, // 1.52 in theory, the train 0.65
        {9, "", 0, 90, Seen::TrainSpeed, 35, 45, 0.62, {}},
    };
    std::set<int> observed;
    for (const auto& [number, more, seconds, units, what, first, last, figure, named] : rows) {
        Started s("versuch=" + std::to_string(number) + more);
        if (s.m.state().halted == 1) { // it says "Weiter", and that is pressed
            s.m.click(Role::kHaltButton);
        }
        const double wait =
            seconds > 0 ? seconds * s.m.state().dt * Chain::kPassesPerSecond : units;
        EXPECT_NEAR(seen(s, what, wait, first, last), figure, 0.01) << number << more;
        observed.insert(number);
        for (const std::string_view code : Language::codes()) {
            Language::use(code);
            const std::string text = s.m.instruction()->text;
            for (const double n : named) {
                EXPECT_TRUE(names(text, n)) << n << " in " << text;
            }
            EXPECT_TRUE(seconds == 0 || names(text, seconds)) << seconds << " in " << text;
        }
        Language::use("de");
    }
    EXPECT_EQ(observed.size(), Experiments::kExperiments.size());
}

TEST(Experiments, EachOpensWithAPredictionStartsHaltedWhereItSaysWeiterAndFitsItsPanel) {
    const std::set<int> halted{1, 6, 7}; // the answer within seconds: the prediction first
    for (int number = 1; number <= int(Experiments::kExperiments.size()); ++number) {
        const Started s("experiment=" + std::to_string(number));
        const Experiments::Experiment e = *Experiments::numbered(number);
        EXPECT_TRUE(s.notes.empty()) << number;
        EXPECT_EQ(s.m.state().halted == 1, halted.contains(number)) << number;
        // Where the task says the clock counts on, it runs, and five steps move it on by 5.
        if (std::string_view(e.task).find("Uhr") != std::string_view::npos) {
            Started steps("versuch=" + std::to_string(number));
            steps.run(40);
            steps.m.click(Role::kHaltButton);
            const auto clock = [&steps] {
                std::string shown = steps.m.panels().caption(Role::kClockReadout);
                std::replace(shown.begin(), shown.end(), ',', '.');
                return std::stod(shown);
            };
            const double before = clock();
            for (int k = 0; k < 5; ++k) {
                steps.m.click(Role::kStepButton);
            }
            EXPECT_NEAR(clock() - before, 5, 1e-9) << number;
        }
        const bool tape = (std::string(e.task) + "|" + std::string(e.watch)).find("Messband") !=
                          std::string::npos;
        for (const std::string_view code : Language::codes()) {
            Language::use(code);
            for (const auto device : {InputCodes::Device::Mouse, InputCodes::Device::Touch}) {
                const std::string text = Experiments::instructionOf(e, device).text;
                const auto has = [&](std::string_view p) { return text.find(p) != text.npos; };
                EXPECT_LE(linesOf(text), Experiments::kPanelLines) << code << number;
                EXPECT_EQ(text.find("\n\n"), Language::translate(e.predict).size()) << number;
                EXPECT_EQ(text[text.find("\n\n") - 1], '?') << number;
                EXPECT_EQ(has(Language::translate("Weiter")), halted.contains(number))
                    << code << number;
                // One word for the balls and their spacing; the tape as the device lays it.
                for (const char* other : {"Masse", "Längeneinheit", "mass", "length unit", "%1"}) {
                    EXPECT_FALSE(has(other)) << other << " in " << text;
                }
                const bool touch = device == InputCodes::Device::Touch;
                EXPECT_EQ(has(Language::translate(touch ? "langer Druck"
                                                        : "rechte Maustaste oder Taste M")),
                          tape)
                    << text;
            }
        }
        Language::use("de");
    }
}

TEST(Experiments, TheViewsLabelNamesTheFingerOnATouchScreen) {
    Started s("anregung=aus");
    const auto label = [&] { return s.m.panels().caption(Role::kModeLabel); };
    const auto twice = [&](Control r) { return s.m.click(r), s.m.click(r), label(); };
    EXPECT_EQ(twice(Role::kDriveSwitch), "Bewegung mit Maus");
    s.m.useDevice(InputCodes::Device::Touch);
    for (const std::string& after :
         {label(), twice(Role::kHaltButton), twice(Role::kDriveSwitch)}) {
        EXPECT_EQ(after, "Bewegung mit dem Finger");
    }
}

TEST(Experiments, ALinkNamesOneItsOwnSettingsCountOverItAndAChoiceStartsItAfresh) {
    const Started link("versuch=10&periode=30&versuch=2&experiment=3&amplitude=0.5");
    EXPECT_EQ(link.setup.text(),
              "traeger=torsion&amplitude=0.5&periode=30&anregung=an&daempfung=an&"
              "hindernis=aus&brechung=aus&tempo=10&halt=nein");
    EXPECT_EQ(link.notes, (std::vector<std::string>{
                              "Einstellung beim Start:",
                              "„versuch=10“ wird übergangen: die Versuche gehen von 1 bis 9.",
                              "„experiment=3“ wird übergangen: die Einstellung ist schon als "
                              "„versuch=2“ angegeben."}));
    // Chosen in the middle of another experiment, it runs as from its link, and again from
    // "Zurück zum Start".
    Started chosen("versuch=8"), linked("versuch=1");
    chosen.run(50);
    EXPECT_FALSE(chosen.m.chooseExperiment(10));
    ASSERT_TRUE(chosen.m.chooseExperiment(1));
    EXPECT_EQ(chosen.m.instruction()->title, "Reflexion am festen und am losen Ende");
    EXPECT_EQ(linked.m.instruction()->title, chosen.m.instruction()->title); // named by the link
    linked.run(150);
    for (const bool again : {false, true}) {
        chosen.run(150);
        EXPECT_EQ(std::memcmp(&chosen.m.state(), &linked.m.state(), sizeof(ChainState)), 0);
        chosen.m.click(again ? Role::kClearAll : Role::kStartButton);
    }
}
