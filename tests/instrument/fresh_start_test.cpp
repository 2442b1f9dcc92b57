// A step of a lesson gives the same state whatever came before it: an experiment chosen, and
// "Zurück zum Start" after it, after a seeded random session of experiments, pulses, trains,
// clearings, the tape, the keys and the diagram, against the same experiment from a fresh start.
// Kept on purpose: the snapshot, the balls chosen for the diagram and whether it is shown.

#include "instrument/hand_and_tape.h"
#include "instrument/input_codes.h"
#include "instrument/instrument.h"
#include "support/chain_hashes.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr float kHalfUnit = 0.5f;

// Everything a student sees or the next passes use, one line for each part; the chain and the
// controls once more after 80 time units, where a pulse or a train left under way shows.
std::vector<std::string> seen(Instrument& m) {
    std::vector<std::string> lines;
    const auto add = [&lines](const std::string& what, const auto&... values) {
        std::string line = what;
        for (const double v : {double(values)...}) {
            char number[32];
            std::snprintf(number, sizeof number, " %a", v);
            line += number;
        }
        lines.push_back(line);
    };
    for (int pass = 0; pass < 2; ++pass) {
        const ChainState& s = m.state();
        add("chain", chainStateHash(s), s.dt, s.endDamping, s.selfCoeff, s.clockTime, s.driveTime,
            s.omega, s.amplitude, s.drivePhase, s.halted, s.harmonicOn, s.refractionOn,
            s.obstacleOn, s.clockOn, s.massFactor[50], s.massFactor[97]);
        for (int i = 0; i < kControlCount; ++i) {
            const auto control = static_cast<Control>(i);
            const Panels::State& c = m.panels()[control];
            add(std::string(controlName(control)) + " " + c.caption, c.back ? c.back->r : -1,
                c.back ? c.back->g : -1, c.back ? c.back->b : -1, c.visible, c.enabled, c.checked,
                c.range.minimum, c.range.maximum, c.value, c.x, c.y);
        }
        add("picture", chainPictureHash(m.picture()));
        add("diagram", diagramHash(m.diagram()), m.diagram().sampleCount());
        add("tape origin", m.tapeOrigin().x, m.tapeOrigin().y);
        add("running", m.running(), m.instruction() ? m.instruction()->title.size() : 0);
        m.runPasses(800);
    }
    return lines;
}

Instrument& started(Instrument& m) {
    m.resize(400, 160, 1);
    m.start();
    return m;
}

// The balls chosen in each slot and the diagram's button, made again on a fresh instrument.
void keepAsIn(Instrument& fresh, const Instrument& kept) {
    const std::optional<int> first = kept.diagram().chosen(0), second = kept.diagram().chosen(1);
    const int stand = first.value_or(second ? (*second + 1) % 98 : 0);
    if (first || second) {
        fresh.doubleClick(float(stand + 1), 0);
    }
    if (second) {
        fresh.doubleClick(float(*second + 1), 0);
    }
    if (!first && second) {
        fresh.doubleClick(float(stand + 1), 0);
    }
    if (kept.panels()[Role::kDiagramButton].checked) {
        fresh.click(Role::kDiagramButton);
    }
}

// One random step of a lesson: any input but the snapshot, with passes run between.
void randomStep(Instrument& m, std::mt19937& random, bool experiments) {
    const auto pick = [&random](int n) { return int(random() % unsigned(n)); };
    constexpr Control kClicked[] = {
        Role::kPulseButton,     Role::kDriveSwitch,        Role::kClearAll,
        Role::kHaltButton,      Role::kStepButton,         Role::kDampingSwitch,
        Role::kObstacleSwitch,  Role::kClockSwitch,        Role::kTorsionOption,
        Role::kPendulumOption,  Role::kDiagramButton,      Role::kStartButton,
        Role::kClearVelocities, Role::kClearDisplacements, Role::kRefractionSwitch};
    constexpr Control kBars[] = {Role::kAmplitudeBar, Role::kPeriodBar, Role::kSpeedBar};
    constexpr ChainKeys::Key kKeys[] = {ChainKeys::Key::M, ChainKeys::Key::Up,
                                        ChainKeys::Key::Right, ChainKeys::Key::Enter,
                                        ChainKeys::Key::D};
    // The hand, or the tape laid with the right button, let go or still held.
    const int button = pick(2) == 0 ? InputCodes::kLeftButton : InputCodes::kRightButton;
    switch (pick(experiments ? 8 : 7)) {
    case 0:
        m.click(kClicked[pick(std::size(kClicked))]);
        break;
    case 1:
        m.sendTrain(1 + pick(10));
        break;
    case 2:
        m.scroll(kBars[pick(3)], 1 + pick(1000));
        break;
    case 3:
        m.pointer(Instrument::Pointer::Press, button, 0, 1 + pick(90), -1 + pick(3) * kHalfUnit);
        m.pointer(Instrument::Pointer::Move, button, 0, 1 + pick(99), -2 + pick(5) * kHalfUnit);
        if (pick(2) == 0) {
            m.pointer(Instrument::Pointer::Release, button, 0, 50, 0);
        }
        break;
    case 4:
        m.keyPress(kKeys[pick(5)], 0);
        break;
    case 5:
        m.doubleClick(float(1 + pick(98)), 0);
        break;
    case 6:
        m.runPasses(pick(400));
        break;
    default:
        m.chooseExperiment(1 + pick(9));
        break;
    }
    m.runPasses(pick(60));
}

// What experiment `chosen` shows from a fresh start, with what `lesson` keeps on purpose.
std::vector<std::string> freshAsIn(const Instrument& lesson, int chosen) {
    Instrument fresh(",");
    keepAsIn(started(fresh), lesson);
    fresh.chooseExperiment(chosen);
    return seen(fresh);
}

} // namespace

TEST(FreshStart, AnExperimentAndZurueckZumStartGiveWhatTheyGiveFromAFreshStart) {
    for (unsigned seed = 1; seed <= 36; ++seed) {
        std::mt19937 random(seed);
        const int chosen = 1 + int(seed % 9);
        Instrument lesson(",");
        started(lesson);
        for (int i = 0; i < 6; ++i) {
            randomStep(lesson, random, true);
        }
        lesson.chooseExperiment(chosen);
        ASSERT_EQ(seen(lesson), freshAsIn(lesson, chosen)) << chosen << ", seed " << seed;
        // Played on, then back to the experiment's start.
        for (int i = 0; i < 4; ++i) {
            randomStep(lesson, random, false);
        }
        lesson.click(Role::kStartButton);
        ASSERT_EQ(seen(lesson), freshAsIn(lesson, chosen)) << "back to " << chosen << ", " << seed;
    }
}
