#include "instrument/instrument.h"

#include "core/chain_constants.h"
#include "instrument/clearing.h"
#include "instrument/clock_and_speed.h"
#include "instrument/diagram_controls.h"
#include "instrument/hand_and_tape.h"
#include "instrument/harmonic_drive.h"
#include "instrument/indicators.h"
#include "instrument/medium_markers.h"
#include "instrument/medium_options.h"
#include "instrument/run_controls.h"
#include "instrument/snapshot.h"
#include "instrument/tape_marks.h"
#include "instrument/time_step.h"
#include "instrument/view_drawing.h"
#include "instrument/wave_carrier.h"
#include "language/language.h"

#include <algorithm>
#include <array>

// Every handler, each constructed with exactly what it touches; in this order because the
// markers are drawn by the ones after them and the hand is moved by the keys and the fingers.
struct Instrument::Handlers {
    Handlers(ChainState& state, ChainPicture& picture, Panels& panels, ChainPass& pass,
             TimeDiagram& timeDiagram, const InputCodes::Device& device)
        : markers(state, picture), tapes(picture),
          view(state, picture, markers, tapes, pass.dotColours()), drive(state, panels, device),
          hand(state, tapes, panels), keys(state, hand, panels), touch(hand),
          carrier(state, panels), medium(state, markers, view, panels),
          clearing(state, view, panels), run(state, pass, markers, panels, device),
          clock(state, panels), step(state, pass, picture, panels),
          snapshot(state, pass, view, panels), diagram(timeDiagram, pass, view, panels) {
        keys.onChoose([this](float x) { diagram.chooseNearest(x); });
        touch.onDoubleTap([this](float x, float /*y*/) { diagram.chooseNearest(x); });
    }
    Handlers(const Handlers&) = delete;
    Handlers& operator=(const Handlers&) = delete;

    MediumMarkers markers;
    TapeMarks tapes;
    ViewDrawing view;
    HarmonicDrive drive;
    HandAndTape hand;
    ChainKeys keys;
    ChainTouch touch;
    WaveCarrier carrier;
    MediumOptions medium;
    Clearing clearing;
    RunControls run;
    ClockAndSpeed clock;
    TimeStep step;
    Snapshot snapshot;
    DiagramControls diagram;
};

namespace {

using Handlers = Instrument::Handlers;

// What each button and option does when clicked. The information button's window is the front
// end's to show.
struct Action {
    Control control;
    void (*act)(Handlers&);
};

constexpr std::array kActions{
    Action{Role::kClearVelocities, [](Handlers& h) { h.clearing.clearVelocities(); }},
    Action{Role::kClearDisplacements, [](Handlers& h) { h.clearing.clearDisplacements(); }},
    Action{Role::kRefractionSwitch, [](Handlers& h) { h.medium.toggleRefraction(); }},
    Action{Role::kObstacleSwitch, [](Handlers& h) { h.medium.toggleObstacle(); }},
    Action{Role::kClearAll,
           [](Handlers& h) {
               h.clearing.clearAll();
               h.diagram.cleared();
           }},
    Action{Role::kDriveSwitch, [](Handlers& h) { h.drive.toggle(); }},
    Action{Role::kPulseButton, [](Handlers& h) { h.drive.sendPulse(1); }},
    Action{Role::kClockSwitch, [](Handlers& h) { h.clock.toggleClock(); }},
    Action{Role::kDampingSwitch, [](Handlers& h) { h.medium.toggleDamping(); }},
    Action{Role::kEndButton, [](Handlers& h) { h.run.end(); }},
    Action{Role::kHaltButton,
           [](Handlers& h) {
               h.step.forgetCarry();
               h.run.haltOrContinue();
           }},
    Action{Role::kStepButton, [](Handlers& h) { h.step.step(); }},
    Action{Role::kSnapshotButton, [](Handlers& h) { h.snapshot.takeOrClear(); }},
    Action{Role::kTorsionOption, [](Handlers& h) { h.carrier.chooseTorsionChain(); }},
    Action{Role::kPendulumOption, [](Handlers& h) { h.carrier.choosePendulumChain(); }},
    Action{Role::kDiagramButton, [](Handlers& h) { h.diagram.toggleShown(); }},
};

// What each scroll bar does with the value the student committed.
struct BarAction {
    Control control;
    void (*act)(Handlers&, int value);
};

constexpr std::array kBarActions{
    BarAction{Role::kAmplitudeBar, [](Handlers& h, int value) { h.drive.setAmplitude(value); }},
    BarAction{Role::kPeriodBar, [](Handlers& h, int value) { h.drive.setPeriod(value); }},
    BarAction{Role::kSpeedBar, [](Handlers& h, int value) { h.clock.setSpeed(value); }},
};

template <typename Table>
const typename Table::value_type* actionOf(const Table& table, Control control) {
    const auto* found = std::find_if(table.begin(), table.end(),
                                     [control](const auto& a) { return a.control == control; });
    return found == table.end() ? nullptr : found;
}

} // namespace

Instrument::Instrument(std::string decimalSeparator)
    : panels_(std::move(decimalSeparator)), pass_(state_, picture_, panels_),
      diagram_(std::string(panels_.decimalSeparator())), pace_(Chain::kPassesPerSecond) {
    picture_.setBackground(ChainPicture::pixelOf(Chain::kBackground));
    picture_.setForeground(ChainPicture::pixelOf(Chain::kMassColour));
    handlers_ = std::make_unique<Handlers>(state_, picture_, panels_, pass_, diagram_, device_);
    pass_.recordInto(diagram_);
    pass_.endPulsesOf(handlers_->drive);
    panels_.setCaption(Role::kStartButton, Language::translate("Zurück zum Start"));
    panels_.setCaption(Role::kExperimentsButton, Language::translate("Versuche"));
    panels_.setCaption(Role::kSaveImageButton, Language::translate("Bild"));
    panels_.setCaption(Role::kSaveSamplesButton, Language::translate("Messwerte"));
}

Instrument::~Instrument() = default;

void Instrument::start() {
    setStartValues(state_);
    handlers_->drive.showStartReadOuts();
    picture_.setPenWidth(Chain::kRestingPen);
    handlers_->markers.showDamping(true);
    handlers_->view.showMasses();
    pass_.begin();
    started_ = true;
    freshSetup_ = Setup::of(*this);
    startSetup_ = freshSetup_;
    startLook_ = panels_.look();
}

void Instrument::applyStartSetup(Setup& setup) {
    setup.applyTo(*this);
    startSetup_ = freshSetup_;
    startSetup_.takeFrom(setup);
    // A link that names an experiment shows its instruction, as choosing it does.
    if (setup.experiment() != 0) {
        experiment_ = setup.experiment();
    }
}

void Instrument::backToStart() {
    startAfresh();
    Setup start = startSetup_;
    start.applyTo(*this);
}

namespace {

// What a new setup leaves as the student had it: the snapshot and the diagram's button.
bool keptAfresh(Control control) {
    return control == Role::kSnapshotButton || control == Role::kSnapshotTime ||
           control == Role::kDiagramButton;
}

} // namespace

void Instrument::startAfresh() {
    Handlers& h = *handlers_;
    h.keys.focusLost();
    h.drive.forgetPulse();
    h.hand.forgetOrigin();
    h.step.forgetCarry();
    setStartValues(state_);
    pass_.forgetClock();
    pass_.begin();
    pace_.restart();
    panels_.show(startLook_, keptAfresh);
    h.clearing.clearAll();
    h.diagram.cleared();
}

std::vector<std::string> Instrument::experimentTitles() {
    std::vector<std::string> titles;
    for (const Experiments::Experiment& e : Experiments::kExperiments) {
        titles.emplace_back(Language::translate(e.title));
    }
    return titles;
}

bool Instrument::chooseExperiment(int number) {
    const std::optional<Experiments::Experiment> chosen = Experiments::numbered(number);
    if (!chosen) {
        return false;
    }
    // Chosen in the middle of another experiment, it starts as from its link, and "Zurück zum
    // Start" returns to it.
    startAfresh();
    Setup setup = Setup::parse(chosen->setup);
    applyStartSetup(setup);
    experiment_ = number;
    return true;
}

std::optional<Experiments::Instruction> Instrument::instruction() const {
    const std::optional<Experiments::Experiment> shown = Experiments::numbered(experiment_);
    if (!shown) {
        return std::nullopt;
    }
    return Experiments::instructionOf(*shown, device_);
}

void Instrument::useDevice(InputCodes::Device device) {
    // The mode label names the hand of the device from now on, at once where it names one.
    const std::string before = driveModeCaption(false, device_);
    device_ = device;
    if (panels_.caption(Role::kModeLabel) == before) {
        panels_.setCaption(Role::kModeLabel, driveModeCaption(false, device_));
    }
}

void Instrument::sendTrain(int periods) {
    handlers_->drive.sendPulse(2 * periods);
}

void Instrument::resize(int width, int height, double scale) {
    picture_.resize(width, height, scale);
    handlers_->view.redrawView();
}

ChainPicture Instrument::viewAt(int width, int height) {
    // The handlers draw into picture_: a fresh picture stands in for the shown one while they
    // draw, and the shown one comes back moved, its pixels at the address a front end reads.
    ChainPicture shown = std::move(picture_);
    picture_ = ChainPicture();
    picture_.setBackground(shown.background());
    picture_.setForeground(shown.foreground());
    picture_.resize(width, height, 1);
    picture_.useBackdrop(shown.hasBackdrop()); // the snapshot's and the chosen masses' lines
    handlers_->view.redrawView();
    ChainPicture drawn = std::move(picture_);
    picture_ = std::move(shown);
    return drawn;
}

Instrument::Reply Instrument::click(Control control) {
    if (control == Role::kInfoButton) {
        return Reply::ShowInformation;
    }
    if (control == Role::kStartButton) {
        backToStart();
        return Reply::None;
    }
    if (control == Role::kExperimentsButton) {
        return Reply::ShowExperiments;
    }
    if (control == Role::kSaveImageButton) {
        return Reply::SaveImage;
    }
    if (control == Role::kSaveSamplesButton) {
        return Reply::SaveSamples;
    }
    const ControlKind kind = controlKind(control);
    if (kind != ControlKind::Button && kind != ControlKind::Option) {
        return Reply::None;
    }
    if (const Action* action = actionOf(kActions, control)) {
        action->act(*handlers_);
    }
    if (handlers_->run.ended() && end_) {
        end_();
    }
    return Reply::None;
}

void Instrument::scroll(Control bar, int value) {
    if (controlKind(bar) != ControlKind::ScrollBar) {
        return;
    }
    const Panels::ScrollRange& range = panels_[bar].range;
    value = std::clamp(value, range.minimum, std::max(range.minimum, range.maximum));
    if (value == panels_.value(bar)) {
        return;
    }
    panels_.enterValue(bar, value);
    if (const BarAction* action = actionOf(kBarActions, bar)) {
        action->act(*handlers_, value);
    }
}

void Instrument::setBar(Control bar, int value) {
    scroll(bar, value);
    panels_.setValue(bar, panels_.value(bar));
}

void Instrument::pointer(Pointer kind, int button, int shift, float x, float y) {
    HandAndTape& hand = handlers_->hand;
    switch (kind) {
    case Pointer::Press:
        return hand.press(button, shift, x, y);
    case Pointer::Move:
        return hand.move(button, shift, x, y);
    case Pointer::Release:
        return hand.release(button, shift, x, y);
    }
}

void Instrument::touch(ChainTouch::Type type, std::span<const ChainTouch::Point> points,
                       std::uint64_t timestamp, const ChainTouch::Surface& surface) {
    handlers_->touch.touch(type, points, timestamp, surface);
}

void Instrument::doubleClick(float x, float /*y*/) {
    handlers_->diagram.chooseNearest(x);
}

void Instrument::diagramSpan(int units) {
    diagram_.setSpan(units);
}

bool Instrument::keyPress(ChainKeys::Key key, int shift) {
    // The step's key, whatever the hand and the tape are doing; while the run goes it does
    // nothing, as its button.
    if (key == ChainKeys::Key::S) {
        return handlers_->step.step();
    }
    return handlers_->keys.keyPress(key, shift);
}

void Instrument::keyRelease(ChainKeys::Key key, int shift, bool autoRepeat) {
    handlers_->keys.keyRelease(key, shift, autoRepeat);
}

void Instrument::focusLost() {
    handlers_->keys.focusLost();
}

std::optional<InfoPage> Instrument::infoPage() const {
    return InfoPages::forChain(state_);
}

TapeOrigin Instrument::tapeOrigin() const {
    return handlers_->hand.origin();
}

int Instrument::runDue(double nowMs) {
    if (!running() || atRest()) {
        pace_.restart();
        return 0;
    }
    return runPasses(pace_.due(nowMs));
}

int Instrument::runPasses(int count) {
    int run = 0;
    // A run found halted at the top of a pass stands until it is continued.
    while (running() && run < count) {
        pass_.step();
        ++run;
    }
    pass_.showPendingClock();
    return run;
}

bool Instrument::running() const {
    return started_ && state_.halted == 0 && !handlers_->run.ended();
}

bool Instrument::atRest() const {
    const ChainState& s = state_;
    if (s.harmonicOn == 1 || s.clockOn == 1) {
        return false;
    }
    // A pass from here computes the same forces from the same displacements: with no force and
    // no velocity, no mass moves, and every further pass is the same.
    for (int i = 1; i <= ChainState::kLastMass; ++i) {
        if (s.v[i] != 0 || s.accel[i] != 0 || s.y[i] != s.yShown[i]) {
            return false;
        }
    }
    return s.y[0] == s.yShown[0];
}
