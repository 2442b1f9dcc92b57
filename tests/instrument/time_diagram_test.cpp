// The time diagram on the instrument, without a window: its points against a recording of the
// chain state, its labels in each language, halting and clearing, the chain state untouched by
// it, and choosing masses by mouse, finger and keys.
#include "instrument/input_codes.h"
#include "instrument/instrument.h"
#include "language/language.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Sample = TimeDiagram::Sample;

// A started instrument, paced from outside, the drive on.
struct Machine {
    Instrument instrument{std::string(Language::decimalSeparator(","))};
    Machine() {
        instrument.resize(400, 200, 1);
        instrument.start();
        instrument.click(Role::kDriveSwitch);
    }
    const TimeDiagram& diagram() const { return instrument.diagram(); }
    std::optional<int> chosen(int slot) const { return diagram().chosen(slot); }
    // Passes one at a time, with what the chain state says after each: its time and the masses'
    // y.
    std::vector<Sample> run(int passes, int massA, int massB) {
        std::vector<Sample> seen;
        double own =
            diagram().sampleCount() > 0 ? diagram().sample(diagram().sampleCount() - 1).t : 0.0;
        for (int i = 0; i < passes; ++i) {
            EXPECT_EQ(instrument.runPasses(1), 1);
            const ChainState& s = instrument.state();
            own = s.clockOn == 1 ? double(s.clockTime) + double(s.clockCarry) : own + double(s.dt);
            seen.push_back({own, {s.y[massA], s.y[massB]}});
        }
        return seen;
    }
    std::vector<std::string> labelTexts(int width = 640) {
        instrument.diagram().draw(width, 200);
        std::vector<std::string> texts;
        for (const TimeDiagram::Label& label : diagram().labels()) {
            texts.push_back(label.text);
        }
        return texts;
    }
};

// The diagram's last points are what the chain state says over the next `passes` passes.
void expectRecorded(Machine& m, int passes, int massA, int massB) {
    const std::vector<Sample> seen = m.run(passes, massA, massB);
    const std::size_t count = m.diagram().sampleCount();
    ASSERT_GE(count, seen.size());
    for (std::size_t i = 0; i < seen.size(); ++i) {
        EXPECT_EQ(seen[i].t, m.diagram().sample(count - seen.size() + i).t) << i;
        EXPECT_EQ(seen[i].y, m.diagram().sample(count - seen.size() + i).y) << i;
    }
}

TEST(TimeDiagram, ItsPointsAreTheChosenMassesAtEachPassAcrossSpeedAndClock) {
    Machine m;
    m.instrument.doubleClick(5.2f, 0);  // mass 4
    m.instrument.doubleClick(30.6f, 1); // mass 30
    ASSERT_EQ(m.chosen(0), 4);
    ASSERT_EQ(m.chosen(1), 30);
    expectRecorded(m, 60, 4, 30);
    m.instrument.scroll(Role::kSpeedBar, 37); // a step of 0.37 from the next pass on
    expectRecorded(m, 40, 4, 30);
    // Clock started: the clock's reading, a new recording from its zero.
    m.instrument.click(Role::kClockSwitch);
    expectRecorded(m, 30, 4, 30);
    EXPECT_EQ(m.diagram().sampleCount(), 30u);

    // The drawing: each point at its column and row in its mass's colour.
    m.instrument.diagram().draw(600, 300);
    const TimeDiagram& d = m.diagram();
    for (int slot = 0; slot < 2; ++slot) {
        const Sample& last = d.sample(d.sampleCount() - 1);
        EXPECT_EQ(d.raster().pixel(d.columnOf(last.t), d.rowOf(last.y[std::size_t(slot)])),
                  ChainPicture::pixelOf(TimeDiagram::kColours[std::size_t(slot)]))
            << slot;
    }
}

TEST(TimeDiagram, HaltFreezesItLoeschenClearsItAndTheChainStateIsTheSameWithoutIt) {
    Machine with, without;
    with.instrument.doubleClick(12, 0);
    with.instrument.doubleClick(60, 0);
    for (int frame = 0; frame < 50; ++frame) {
        with.instrument.runPasses(7);
        without.instrument.runPasses(7);
        with.instrument.diagram().draw(320, 160);
    }
    EXPECT_EQ(
        std::memcmp(&with.instrument.state(), &without.instrument.state(), sizeof(ChainState)), 0);

    with.instrument.click(Role::kHaltButton);
    with.instrument.diagram().draw(320, 160);
    const std::vector<PlotRaster::Pixel> frozen(with.diagram().raster().pixels(),
                                                with.diagram().raster().pixels() + 320 * 160);
    const std::uint64_t revision = with.diagram().revision();
    EXPECT_EQ(with.instrument.runPasses(20), 0);
    with.instrument.diagram().draw(320, 160);
    EXPECT_EQ(with.diagram().revision(), revision);
    EXPECT_TRUE(std::equal(frozen.begin(), frozen.end(), with.diagram().raster().pixels()));

    with.instrument.click(Role::kClearAll);
    EXPECT_EQ(with.diagram().sampleCount(), 0u);
    EXPECT_EQ(with.chosen(0), 11);
}

TEST(TimeDiagram, DrawingOnlyTheNewPointsGivesTheWholeDrawingAcrossTheAxisMoves) {
    Machine m;
    m.instrument.doubleClick(3, 0);
    m.instrument.diagramSpan(TimeDiagram::kMinSpan);
    std::vector<double> starts;
    for (int frame = 0; frame < 60; ++frame) {
        m.instrument.runPasses(7);
        m.instrument.diagram().draw(300, 150);
        if (starts.empty() || starts.back() != m.diagram().timeStart()) {
            starts.push_back(m.diagram().timeStart());
        }
    }
    EXPECT_EQ(starts, (std::vector<double>{0, 12.5, 25}));
    TimeDiagram whole = m.diagram();
    whole.draw(301, 150);
    whole.draw(300, 150);
    EXPECT_TRUE(std::equal(whole.raster().pixels(), whole.raster().pixels() + 300 * 150,
                           m.diagram().raster().pixels()));
    EXPECT_EQ(whole.labels(), m.diagram().labels());
}

// The labels, each ended by "|": the drive (amplitude 1, period 25) has swung the driven point
// four times and not yet reached ball 97.
std::string labelsIn(const char* language) {
    EXPECT_TRUE(Language::use(language));
    Machine m;
    m.instrument.doubleClick(1, 0);
    m.instrument.doubleClick(98, 0);
    const std::vector<std::string> before = m.labelTexts();
    m.run(1050, 0, 97);
    // The legend before, the labels after, the text alternative saying what the legend says.
    std::string texts = before[before.size() - 2] + "|" + before.back() + "|";
    for (const std::string& text : m.labelTexts()) {
        texts += text + "|";
    }
    texts += m.instrument.diagram().summary() + "|";
    Language::use("de");
    return texts;
}

TEST(TimeDiagram, AxisLabelsAndLegendInEachLanguage) {
    // Up is positive: the y labels read 3 at the top down to -3. The driven point by its name,
    // the balls counted from 1 after it, as the information texts count them.
    EXPECT_EQ(labelsIn("de"),
              "Anfangspunkt: noch keine ganze Periode|Kugel 97: noch keine ganze Periode|3|2|1|0|"
              "-1|-2|-3|60|80|100|120|140|y in Kugelabständen (oben positiv)|t in Zeiteinheiten|"
              "Anfangspunkt: Amplitude 1,00, Periode 25,0|Kugel 97: noch keine ganze Periode|"
              "Anfangspunkt: Amplitude 1,00, Periode 25,0; Kugel 97: noch keine ganze Periode|");
    EXPECT_EQ(labelsIn("en"),
              "Starting point: not yet one whole period|Ball 97: not yet one whole period|3|2|1|0|"
              "-1|-2|-3|60|80|100|120|140|y in ball spacings (up positive)|t in time units|"
              "Starting point: amplitude 1.00, period 25.0|Ball 97: not yet one whole period|"
              "Starting point: amplitude 1.00, period 25.0; Ball 97: not yet one whole period|");

    Machine m;
    m.instrument.diagramSpan(1000);
    EXPECT_EQ(m.diagram().span(), TimeDiagram::kMaxSpan);
    m.instrument.diagramSpan(25);
    const std::vector<std::string> texts = m.labelTexts();
    EXPECT_EQ(std::vector<std::string>(texts.begin() + 7, texts.begin() + 13),
              (std::vector<std::string>{"0", "5", "10", "15", "20", "25"}));
    // The span puts them evenly from the time axis's start to its end, and the top y label
    // above the bottom one.
    const std::vector<TimeDiagram::Label>& labels = m.diagram().labels();
    const int across = labels[12].x - labels[7].x;
    EXPECT_GT(across, 300);
    for (int i = 1; i < 5; ++i) {
        EXPECT_NEAR(labels[std::size_t(7 + i)].x - labels[7].x, across * i / 5.0, 1) << i;
    }
    EXPECT_LT(labels[0].y, labels[6].y);
    EXPECT_EQ(texts.back(), "Kugel wählen: Doppelklick, Doppeltipp oder D in der Wellenmaschine");
    EXPECT_EQ(m.instrument.diagram().summary(), texts.back());
    // A narrow one (a column beside the view): the shorter hint and y caption, which fit.
    const std::vector<std::string> narrow = m.labelTexts(280);
    EXPECT_EQ(narrow.back(), TimeDiagram::kShortChooseHint);
    EXPECT_EQ(narrow[narrow.size() - 3], "y in Kugelabständen");

    // A low strip (a touch screen's): the y labels at -3, 0 and 3 only, so that none overlap.
    m.instrument.diagram().draw(400, 110);
    std::vector<std::string> yLabels;
    for (const TimeDiagram::Label& label : m.diagram().labels()) {
        if (label.align == TimeDiagram::Label::Align::Right && label.x < 100) {
            yLabels.push_back(label.text);
        }
    }
    EXPECT_EQ(yLabels, (std::vector<std::string>{"3", "0", "-3"}));
}

// Ball 29's legend after a curve (up positive) recorded at `step` until `until`: `level` plus a
// sine of `period` and of the amplitude `early` before t = 60, `late` after it.
TEST(TimeDiagram, AmplitudeAndPeriodOverTheLastWholePeriodsOfAKnownSine) {
    // clang-format off
    for (const auto& [level, early, late, period, step, until, legend] : {
             std::tuple{0.0, 0.77, 0.77, 20.0, 0.1, 100.0, "Amplitude 0,77, Periode 20,0"},
             std::tuple{1.5, 0.4, 0.4, 33.3, 0.37, 150.0, "Amplitude 0,40, Periode 33,3"},
             std::tuple{0.0, 1.2, 0.5, 20.0, 0.1, 140.0, "Amplitude 0,50, Periode 20,0"},
             std::tuple{0.0, 0.77, 0.77, 20.0, 0.1, 39.0, "noch keine ganze Periode"},
             std::tuple{0.0, 0.004, 0.004, 20.0, 0.1, 100.0, "noch keine ganze Periode"}}) {
        // clang-format on
        TimeDiagram diagram{","};
        diagram.chooseNearest(30);
        ChainState state{};
        state.dt = float(step);
        for (double t = step; t <= until; t += step) {
            state.y[29] =
                float(-level - (t < 60 ? early : late) * std::sin(6.2831853 * t / period));
            diagram.record(state);
        }
        EXPECT_EQ(diagram.summary(), std::string("Kugel 29: ") + legend) << until;
    }
}

// Each time it speaks, its count and words.
TEST(TimeDiagram, ItSpeaksWhenABallIsChosenOrLetGoOpenedOrAskedNeverAsItRuns) {
    Machine m;
    TimeDiagram& d = m.instrument.diagram();
    std::string said;
    const auto note = [&] { said += std::to_string(d.spokenCount()) + " " + d.spoken() + "|"; };
    m.instrument.doubleClick(1, 0); // the driven point chosen
    note();
    m.instrument.click(Role::kDiagramButton); // opened
    m.run(1500, 0, 0);
    note();
    EXPECT_FALSE(d.keyPress("x"));
    EXPECT_TRUE(d.keyPress("a") && d.keyPress("A")); // the same words said again
    note();
    m.instrument.click(Role::kDiagramButton); // closed
    m.instrument.doubleClick(1, 0);           // let go
    note();
    EXPECT_EQ(said, "1 Anfangspunkt: noch keine ganze Periode|2 Anfangspunkt: noch keine ganze "
                    "Periode|4 Anfangspunkt: Amplitude 1,00, Periode 25,0|5 " +
                        std::string(TimeDiagram::kChooseHint) + "|");
}

TEST(TimeDiagram, MouseFingerAndKeysChooseAThirdReplacesTheOlderASecondUnchooses) {
    Machine m;
    m.instrument.click(Role::kHaltButton);
    const auto dot = [&m](int mass) {
        const UserScale::Point p = m.instrument.picture().toPixel(
            InputCodes::massX(mass), m.instrument.state().yShown[mass]);
        return m.instrument.picture().pixel(p.x, p.y);
    };
    // A chosen mass's dashed line, at the top of the view far from its dot.
    const auto mark = [&m](int mass) {
        const ChainPicture& picture = m.instrument.picture();
        return picture.pixel(picture.toPixel(InputCodes::massX(mass), 0).x, 1);
    };
    const ChainPicture::Pixel plain = m.instrument.picture().background();
    const ChainPicture::Pixel black = ChainPicture::pixelOf(Chain::kMassColour);
    const ChainPicture::Pixel blue = ChainPicture::pixelOf(TimeDiagram::kColours[0]);
    const ChainPicture::Pixel green = ChainPicture::pixelOf(TimeDiagram::kColours[1]);

    m.instrument.doubleClick(20.4f, -2); // the mouse: mass 19
    EXPECT_EQ((std::array{dot(19), mark(19)}), (std::array{blue, blue}));

    // A finger: two taps near one another within the double-tap time, at x = 40 of 100.
    const ChainTouch::Surface surface{400, 200, 8};
    auto tap = [&m, &surface](double x, std::uint64_t ms) {
        using enum ChainTouch::Point::State;
        const ChainTouch::Point down[]{{1, Pressed, x, 100}};
        const ChainTouch::Point up[]{{1, Released, x + 2, 101}};
        m.instrument.touch(ChainTouch::Type::Begin, down, ms, surface);
        m.instrument.touch(ChainTouch::Type::End, up, ms + 60, surface);
    };
    tap(160, 1000);
    tap(160, 1000 + 60 + InputCodes::kDoubleTapMs + 1); // too late: a single tap again
    EXPECT_FALSE(m.chosen(1));
    tap(161, 1600);
    EXPECT_EQ(m.chosen(1), 39);
    EXPECT_EQ(dot(39), green);

    // The keys: M shows the pointer at x = 10, Right moves it a unit, D chooses mass 10.
    EXPECT_TRUE(m.instrument.keyPress(ChainKeys::Key::D, 0) == false);
    EXPECT_TRUE(m.instrument.keyPress(ChainKeys::Key::M, 0));
    EXPECT_TRUE(m.instrument.keyPress(ChainKeys::Key::Right, 0));
    EXPECT_TRUE(m.instrument.keyPress(ChainKeys::Key::D, 0));
    EXPECT_EQ(m.chosen(0), 10); // in place of the older, mass 19
    EXPECT_EQ(m.chosen(1), 39);
    EXPECT_EQ((std::array{dot(19), dot(10), mark(19), mark(10), mark(39)}),
              (std::array{black, blue, plain, blue, green}));

    m.instrument.doubleClick(40, 0); // chosen: un-chosen
    EXPECT_FALSE(m.chosen(1));
    EXPECT_EQ((std::array{dot(39), mark(39)}), (std::array{black, plain}));
    m.instrument.doubleClick(-50, 0); // beyond the view: the end mass nearest
    EXPECT_EQ(m.chosen(1), 0);

    EXPECT_FALSE(m.instrument.panels()[Role::kDiagramButton].checked);
    m.instrument.click(Role::kDiagramButton);
    EXPECT_TRUE(m.instrument.panels()[Role::kDiagramButton].checked);
}

} // namespace
