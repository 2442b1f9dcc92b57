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

enum class Seen { Highest, Lowest, Wavelength, Swing, CrestSpeed, TrainSpeed };

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

// What a row sees after `units` time units from the link, from mass `first` to `last`.
double seen(Started& s, Seen what, double units, int first, int last) {
    s.run(units);
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
    // Paused, a crest and the train's middle followed over four steps of a time unit.
    s.m.click(Role::kHaltButton);
    s.m.runPasses(1);
    const double at = crest(s.h(), first, last), middle = centre(s.h());
    for (int k = 0; k < 4; ++k) {
        s.m.click(Role::kStepButton);
    }
    const auto [low, high] = std::minmax_element(h.begin() + first, h.begin() + last + 1);
    return what == Seen::Highest  ? *high
           : what == Seen::Lowest ? *low
           : what == Seen::Wavelength
               ? (ups.size() < 2 ? 0 : (ups.back() - ups.front()) / double(ups.size() - 1))
           : what == Seen::Swing      ? swing
           : what == Seen::CrestSpeed ? (crest(s.h(), int(at) + 1, int(at) + 10) - at) / 4
                                      : (centre(s.h()) - middle) / 4;
}

// The instruction's lines at the panel's width, a character at most 90 twips wide: the form's
// normal font (8.25 pt MS Sans Serif) averages 5 pixels a character at 96 dots an inch, 75
// twips; 90 leaves room for a line of wide letters.
int linesOf(const Experiments::Experiment& e) {
    constexpr std::size_t width = Experiments::kPanelWidth / 90;
    int lines = 0;
    for (const std::string_view part : {e.task, e.watch, e.question}) {
        std::istringstream words{std::string(Language::translate(part))};
        std::size_t used = width;                // the part's first word begins a line
        for (std::string word; words >> word;) { // its length in characters, not UTF-8's bytes
            const auto length = std::size_t(
                std::count_if(word.begin(), word.end(), [](char c) { return (c & 0xC0) != 0x80; }));
            used = used + 1 + length > width ? (++lines, length) : used + 1 + length;
        }
    }
    return lines;
}

} // namespace

TEST(Experiments, EachFromItsLinkFitsItsPanelAndShowsWhatItPromises) {
    // The experiment, further settings in its link, what is seen after how many time units
    // between which masses, and the figure.
    const std::tuple<int, const char*, Seen, double, int, int, double> rows[] = {
        {1, "", Seen::Highest, 150, 1, 97, 0.93},    // back from the free end: a crest
        {1, "", Seen::Lowest, 247, 1, 97, -0.86},    // back from the fixed end: a trough
        {2, "", Seen::Wavelength, 70, 5, 60, 19.94}, // 19.92 in theory
        {3, "", Seen::Swing, 1900, 1, 97, 2.11},     // the free chain's resonances at 77.6, ...
        {3, "&periode=55.4", Seen::Swing, 1900, 1, 97, 2.09},
        {3, "&periode=43.1", Seen::Swing, 1900, 1, 97, 2.10},
        {3, "&periode=66", Seen::Swing, 1900, 1, 97, 0.20}, // ... and none between
        {4, "", Seen::CrestSpeed, 55, 20, 40, 1.03},
        {5, "", Seen::Wavelength, 250, 2, 46, 19.86}, // light
        {5, "", Seen::Wavelength, 250, 50, 96, 9.82}, // heavy: half
        {6, "", Seen::Highest, 75, 49, 97, 0.68},     // passed
        {6, "", Seen::Lowest, 75, 1, 47, -0.35},      // reflected as a trough
        {7, "&traeger=torsion", Seen::Highest, 60, 1, 97, 1.03},
        {7, "", Seen::Highest, 60, 1, 97, 0.35}, // the pendulum chain's crest spread out
        {8, "", Seen::Swing, 600, 40, 50, 1.02},
        {8, "&periode=19.5", Seen::Swing, 600, 40, 50, 1.02},
        {8, "&periode=22", Seen::Swing, 600, 40, 50, 0.07}, // below the cut-off
        {9, "", Seen::CrestSpeed, 80, 27, 37, 1.54},        // 1.52 in theory, the train 0.65
        {9, "", Seen::TrainSpeed, 80, 27, 37, 0.67},
    };
    std::set<int> observed;
    for (const auto& [number, more, what, units, first, last, expected] : rows) {
        Started s("versuch=" + std::to_string(number) + more);
        EXPECT_NEAR(seen(s, what, units, first, last), expected, 0.01) << number << more;
        observed.insert(number);
    }
    EXPECT_EQ(observed.size(), Experiments::kExperiments.size());
    for (int number = 1; number <= int(Experiments::kExperiments.size()); ++number) {
        EXPECT_TRUE(Started("experiment=" + std::to_string(number)).notes.empty()) << number;
        for (const std::string_view code : Language::codes()) {
            Language::use(code);
            EXPECT_LE(linesOf(*Experiments::numbered(number)), Experiments::kPanelLines) << code;
        }
        Language::use("de");
    }
}

TEST(Experiments, ALinkNamesOneItsOwnSettingsCountOverItAndAChoiceStartsItAfresh) {
    const Started link("versuch=10&periode=30&versuch=2&experiment=3&amplitude=0.5");
    EXPECT_EQ(link.setup.text(),
              "traeger=torsion&amplitude=0.5&periode=30&anregung=an&daempfung=an&"
              "hindernis=aus&brechung=aus&halt=nein");
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
