// Every number the information pages quote, measured again from the model at the setting the
// sentence names: the chain started through the instrument's front door with a teacher's setup,
// then run. A number changed in a text, or a constant changed in the model, fails here.

#include "core/chain_physics.h"
#include "instrument/info_texts.h"
#include "instrument/instrument.h"
#include "instrument/setup.h"
#include "instrument/start_sequence.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kLast = ChainState::kLastMass;
constexpr double kTwoPi = 2 * std::numbers::pi;

std::unique_ptr<Instrument> started(const std::string& setupText) {
    auto m = std::make_unique<Instrument>(",");
    m->resize(1276, 653, 1);
    Setup setup = Setup::parse(setupText);
    StartSequence::start(*m, setup);
    EXPECT_TRUE(setup.notes().empty()) << setupText;
    return m;
}

// The period of the chain's wave of k radians per spacing as the passes run it, among balls
// first to last, whose masses are alike. Every ball starts on the wave at rest; while no edge
// has reached it, each ball follows y(n+1) + y(n-1) = 2 cos(w dt) y(n), pass n to pass n + 1,
// and w is fitted over all of them. Zero where the chain carries no such wave.
double wavePeriod(const ChainState& settings, double k, int first, int last) {
    ChainState s = settings;
    s.harmonicOn = 0;
    s.obstacleOn = 0;
    for (int i = 0; i <= ChainState::kLastWrittenSlot; ++i) {
        s.y[i] = static_cast<float>(std::cos(k * i));
        s.v[i] = 0;
    }
    std::vector<ChainState::Row> rows{s.y};
    for (int n = 1; first + n <= last - n; ++n) {
        integratePass(s);
        rows.push_back(s.y);
    }
    double across = 0;
    double along = 0;
    for (std::size_t n = 1; n + 1 < rows.size(); ++n) {
        const int reach = static_cast<int>(n) + 1;
        for (int j = first + reach; j <= last - reach; ++j) {
            across += double(rows[n][j]) * (double(rows[n + 1][j]) + double(rows[n - 1][j]));
            along += double(rows[n][j]) * double(rows[n][j]);
        }
    }
    const double halfTrace = across / along / 2;
    return std::fabs(halfTrace) < 1 ? kTwoPi * double(s.dt) / std::acos(halfTrace) : 0;
}

// The wavelength in ball spacings of the wave the chain carries at `period`, by bisection (the
// period falls as k grows); zero where it carries none.
double wavelength(const ChainState& s, double period, int first = 1, int last = kLast - 1) {
    double low = 0.01;
    double high = std::numbers::pi;
    if (wavePeriod(s, low, first, last) < period || wavePeriod(s, high, first, last) > period) {
        return 0;
    }
    for (int i = 0; i < 50; ++i) {
        const double k = (low + high) / 2;
        (wavePeriod(s, k, first, last) > period ? low : high) = k;
    }
    return kTwoPi / low;
}

// What comes back among balls first to last, as a share of what goes on, after 800 time units
// with refraction and the drive at `period`: (largest - smallest) / (largest + smallest) of their
// swings over two periods.
double echoes(const std::string& period, int first, int last) {
    auto m = started("brechung=an&anregung=an&periode=" + period);
    const double dt = m->state().dt;
    m->runPasses(static_cast<int>(std::lround(800 / dt)));
    std::vector<double> swing(kLast + 1);
    for (long n = std::lround(2 * std::stod(period) / dt); n > 0; --n) {
        m->runPasses(1);
        for (int i = first; i <= last; ++i) {
            swing[i] = std::max(swing[i], double(std::fabs(m->state().y[i])));
        }
    }
    const auto [low, high] = std::minmax_element(swing.begin() + first, swing.begin() + last + 1);
    return (*high - *low) / (*high + *low);
}

// The chain state right after a start with `setup`.
ChainState stateOf(const std::string& setup) {
    return started(setup)->state();
}

// Pendulum chain, period 25: from when to when balls 50 to 97 swing out 0.1 or more, and the
// most they swing.
std::array<double, 3> farSwingAtPeriod25(const std::string& amplitude) {
    auto m = started("traeger=pendel&anregung=an&amplitude=" + amplitude);
    std::array<double, 3> window{};
    for (int n = 1; n * double(m->state().dt) <= 1000; ++n) {
        m->runPasses(1);
        const auto far = std::fabs(
            *std::max_element(&m->state().y[50], &m->state().y[kLast] + 1,
                              [](float a, float b) { return std::fabs(a) < std::fabs(b); }));
        const double t = n * double(m->state().dt);
        window = {window[0] == 0 && far >= 0.1 ? t : window[0], far >= 0.1 ? t : window[1],
                  std::max(window[2], double(far))};
    }
    return window;
}

// The chain of a setup with every ball displaced by shape(i), moving right where `running`, after
// `time` time units.
ChainState displaced(const std::string& setup, double (*shape)(double), bool running, double time) {
    ChainState s = stateOf(setup);
    for (int i = 0; i <= ChainState::kLastWrittenSlot; ++i) {
        s.y[i] = static_cast<float>(shape(i));
        s.v[i] = running ? static_cast<float>((shape(i - 0.5) - shape(i + 0.5))) : 0.0f;
    }
    for (int n = 0; n * double(s.dt) < time; ++n) {
        integratePass(s);
    }
    return s;
}

// A crest, long against the spacing, runs right through the light half into the heavy one: what
// comes back from the boundary, as a share of the crest (negative: a trough).
double boundaryEcho() {
    const ChainState s = displaced(
        "brechung=an", [](double i) { return std::exp(-(i - 15) * (i - 15) / 16); }, true, 52);
    const auto [low, high] = std::minmax_element(&s.y[1], &s.y[40] + 1);
    return std::fabs(*low) > std::fabs(*high) ? *low : *high;
}

// The pull back to rest on a ball when the whole chain is displaced alike (no spring stretched).
double gravityOn(int ball) {
    const ChainState s = displaced(
        "traeger=pendel", [](double) { return 1.0; }, false, 0.05);
    return -double(s.v[ball]) / double(s.dt);
}

// Time units on the clock, as its read-out rounds them, after one second of passes, or after one
// "Schritt" while halted.
double clockAfter(const std::string& setup, bool step) {
    auto m = started(setup + "&uhr=an");
    if (step) {
        m->click(Role::kHaltButton);
        m->runPasses(1);
        m->click(Role::kStepButton);
    } else {
        m->runPasses(Chain::kPassesPerSecond);
    }
    return m->state().clockTime;
}

struct Quote {
    bool pendulumPage;
    std::string_view phrase; // as the German page has it
    std::function<double()> measure;
    double low, high; // what the phrase's wording allows
};

TEST(InfoNumbers, EveryQuotedNumberHoldsInTheModel) {
    const ChainState start = stateOf("");
    const ChainState pendulum = stateOf("traeger=pendel");
    const ChainState refraction = stateOf("brechung=an");
    const auto heavyToLight = [&](double period) {
        return wavelength(refraction, period, 48, 96) / wavelength(refraction, period, 1, 47);
    };
    const auto pendulumWave = [&](const char* speed) {
        return wavelength(stateOf(std::string("traeger=pendel&tempo=") + speed), 19.8);
    };
    const auto weak = farSwingAtPeriod25("1");
    const auto strong = farSwingAtPeriod25("2");
    constexpr bool T = false, P = true;
    const std::vector<Quote> quotes{
        {T, "97 Massenpunkte", [] { return kLast; }, 97, 97},
        {P, "97 Massenpunkte", [] { return kLast; }, 97, 97},
        {T, "die halbe Wellenlänge", [&] { return heavyToLight(25); }, 0.49, 0.51},
        {T, "kürzere weniger", [&] { return heavyToLight(10); }, 0.4, 0.49},
        {T, "unter Periode 6,3 dringt bei der Anfangsgeschwindigkeit keine ein",
         [&] { return wavePeriod(refraction, std::numbers::pi, 48, 96); }, 6.25, 6.35},
        {T, "Die Grenze in der Mitte", boundaryEcho, -0.36, -0.3},
        {T, "das gedämpfte Ende werfen je etwa ein Drittel", [] { return echoes("25", 52, 93); },
         0.28, 0.4},
        {T, "das gedämpfte Ende werfen je etwa ein Drittel", [] { return echoes("15", 52, 93); },
         0.28, 0.4},
        {T, "3 % bei Periode 25", [] { return echoes("25", 3, 44); }, 0.025, 0.035},
        {T, "gut die Hälfte bei Periode 15", [] { return echoes("15", 3, 44); }, 0.5, 0.62},
        {P, "außer der letzten", [] { return gravityOn(kLast); }, 0, 0},
        {P, "Komponente der Schwerkraft", [] { return gravityOn(50); }, 0.09, 0.11},
        {P, "knapp 20 Zeiteinheiten", [&] { return wavePeriod(pendulum, 1e-4, 1, 96); }, 19.5, 20},
        {P, "Periode 25, Amplitude 1", [&] { return weak[0]; }, 60.5, 61.5},
        {P, "61 bis 164", [&] { return weak[1]; }, 163.5, 164.5},
        {P, "0,1 bis 0,15", [&] { return weak[2]; }, 0.145, 0.155},
        {P, "Amplitude 2 von 57", [&] { return strong[0]; }, 56.5, 57.5},
        {P, "bis 480", [&] { return strong[1]; }, 479.5, 480.5},
        {P, "0,1 bis 0,31", [&] { return strong[2]; }, 0.305, 0.315},
        {P, "Anfangsgeschwindigkeit Periode etwa 3,1",
         [&] { return wavePeriod(start, std::numbers::pi, 1, 96); }, 3.05, 3.15},
        {P, "Anfangsgeschwindigkeit Periode etwa 3,1",
         [&] { return wavePeriod(pendulum, std::numbers::pi, 1, 96); }, 3.05, 3.15},
        {P, "239 Kugelabstände bei 19,8", [&] { return pendulumWave("10"); }, 238.5, 239.5},
        {P, "bei schnellerem Zeitablauf mehr", [&] { return pendulumWave("50"); }, 280, 1e9},
        {P, "25 Zeiteinheiten je Sekunde", [] { return clockAfter("", false); }, 24.95, 25.05},
        {P, "2,5 bis 125", [] { return clockAfter("tempo=1", false); }, 2.45, 2.55},
        {P, "125. „Uhr Start“", [] { return clockAfter("tempo=50", false); }, 124.95, 125.05},
        {P, "genau eine Zeiteinheit", [] { return clockAfter("", true); }, 0.95, 1.05},
        {P, "1 Kugelabstand je Zeiteinheit", [&] { return wavelength(start, 50) / 50; }, 0.99,
         1.01},
    };
    std::string pages[2];
    for (const bool pendulumPage : {false, true}) {
        for (const std::string_view text :
             pendulumPage ? InfoTexts::pendulumChain() : InfoTexts::torsionChain()) {
            pages[pendulumPage].append(text).append(" ");
        }
    }
    for (const Quote& q : quotes) {
        const double value = q.measure();
        std::printf("%-70s %.4f\n", std::string(q.phrase).c_str(), value);
        EXPECT_NE(pages[q.pendulumPage].find(q.phrase), std::string::npos) << q.phrase;
        EXPECT_GE(value, q.low) << q.phrase;
        EXPECT_LE(value, q.high) << q.phrase;
    }
}

} // namespace
