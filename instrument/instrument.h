#pragma once

#include "core/chain_state.h"
#include "instrument/chain_keys.h"
#include "instrument/chain_pass.h"
#include "instrument/chain_touch.h"
#include "instrument/control.h"
#include "instrument/experiments.h"
#include "instrument/info_pages.h"
#include "instrument/panels.h"
#include "instrument/run_pace.h"
#include "instrument/setup.h"
#include "instrument/time_diagram.h"
#include "picture/chain_picture.h"
#include "picture/shown_picture.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

class Clearing;
class ClockAndSpeed;
class HandAndTape;
class HarmonicDrive;
class MediumOptions;
class RunControls;
class WaveCarrier;
struct TapeOrigin;

// The wave machine, the one thing a front end talks to: it owns the chain state, the chain's
// picture, the panels (what every control shows), the pass and every handler, and takes the
// student's input as one call per kind of input. A front end translates its toolkit's events
// into these calls and shows what the panels and the picture hold; what each control does is
// decided here (see click and scroll).
//
// The run is paced from outside, the same on every front end: at each display frame the front
// end has the passes that are due run (runDue), and every input is handled between two such
// bursts. No call of the instrument waits or runs a loop of its own: continuing the run only
// marks it active.
//
// A front end shows the picture through ShownPicture and no further: it reads the pixels and
// takes the changed rectangles, and a new size goes through resize. The state and the picture
// are read only to it.
class Instrument final : public ShownPicture {
public:
    enum class Pointer { Press, Move, Release };
    // What a click asks of the front end beyond what the instrument did itself.
    // The list of experiments and the files to save are the front end's to show and to write
    // (see experimentTitles, chooseExperiment, SavedFiles).
    enum class Reply { None, ShowInformation, ShowExperiments, SaveImage, SaveSamples };

    // Read-outs use `decimalSeparator`.
    explicit Instrument(std::string decimalSeparator);
    ~Instrument();

    Instrument(const Instrument&) = delete;
    Instrument& operator=(const Instrument&) = delete;

    // The window's load: the start values, the read-outs, the damping marker, the masses drawn
    // and the run marked active. A starting setup is applied after it (see StartSequence).
    void start();
    // After start: `setup` applied, and kept as what "Zurück zum Start" returns to, over the
    // start values (not over the settings of an earlier start setup).
    void applyStartSetup(Setup& setup);
    // A new size of the picture in pixels, `scale` pixels to a unit of pen width: the view
    // drawn anew with its markers, the marks of the tapes laid since the last clearing and,
    // once started, the masses where they are. A tape's reading stays, and so do its marks.
    void resize(int width, int height, double scale) override;

    // A click on a button or an option. The information button's page is the front end's to
    // show (see infoPage).
    Reply click(Control control);
    // A new value of a scroll bar, committed by the student: clamped to its range; a value the
    // bar already holds changes nothing, as with a scroll bar.
    void scroll(Control bar, int value);
    // A scroll bar's value given from outside the bar (a teacher's setup): committed as by
    // scroll, and the bar shown where the value put it, as a hand's move leaves it.
    void setBar(Control bar, int value);
    // The mouse or pen in the chain view: button and shift code (see InputCodes), the point in
    // the view's user units.
    void pointer(Pointer kind, int button, int shift, float x, float y);
    // Fingers on the chain view, in pixels of a view of `surface`'s size.
    void touch(ChainTouch::Type type, std::span<const ChainTouch::Point> points,
               std::uint64_t timestamp, const ChainTouch::Surface& surface);
    // A double click of the mouse in the chain view, at a point in user units: chooses the mass
    // nearest to it for the time diagram, or un-chooses it (see TimeDiagram::chooseNearest).
    void doubleClick(float x, float y);
    // Keys while the chain view has the focus: true if the key was taken.
    bool keyPress(ChainKeys::Key key, int shift);
    void keyRelease(ChainKeys::Key key, int shift, bool autoRepeat);
    void focusLost();

    // The prepared experiments' titles, in their order and the language in use, for the list
    // that "Versuche" opens.
    static std::vector<std::string> experimentTitles();
    // Experiment `number` (from 1, see Experiments) started from a chain at rest, as its link
    // would start it, and kept as what "Zurück zum Start" returns to; its instruction shown until
    // it is closed. A number out of range changes nothing and returns false.
    bool chooseExperiment(int number);
    // The screen's input as the front end knows it: the instruction and the mode label name its
    // way of moving the end and laying the tape. A mouse until told otherwise.
    void useDevice(InputCodes::Device device);
    // The instruction of the experiment chosen last, in the language in use, while shown.
    std::optional<Experiments::Instruction> instruction() const;
    void closeInstruction() { experiment_ = 0; }

    // A train of `periods` whole periods of the drive, from rest to rest (see
    // HarmonicDrive::sendPulse); the pulse button sends half a period.
    void sendTrain(int periods);

    // The time diagram's span in time units, from its scroll bar or keys (clamped to its range).
    void diagramSpan(int units);
    // The time diagram, shown by a front end while its button is checked: drawn at a size with
    // TimeDiagram::draw when its revision changed.
    TimeDiagram& diagram() { return diagram_; }
    const TimeDiagram& diagram() const { return diagram_; }

    // The information page on the chain type in use, as the information button opens it.
    std::optional<InfoPage> infoPage() const;
    // Where the last press in the chain view was, which the tape is measured from.
    TapeOrigin tapeOrigin() const;

    // At a display frame: the passes due at `nowMs` (a steady clock in milliseconds) at
    // Chain::kPassesPerSecond, run (see RunPace and runPasses); none while the run stands or
    // nothing moves, and the schedule starts afresh afterwards. Returns the number run.
    int runDue(double nowMs);
    // Up to `count` passes, fewer if the run is found halted at the top of a pass; the clock's
    // read-out brought up to date. Returns the number run.
    int runPasses(int count);
    // True while the run is active: started, not halted and not ended.
    bool running() const;
    // True if further passes change nothing that is shown: no drive, no clock, and a chain in
    // which no mass moves and no force acts.
    bool atRest() const;

    // What "Ende" does besides ending the run for good: the front end's end of the program.
    void onEnd(std::function<void()> end) { end_ = std::move(end); }

    const ChainState& state() const { return state_; }
    const ChainPicture& picture() const override { return picture_; }
    // The view drawn anew at `width` x `height` pixels, one pixel to a unit of pen width, as a
    // new size would draw it (markers, tapes, snapshot, chosen masses, the masses where they
    // are shown); the picture shown keeps its pixels, its size and its changes.
    ChainPicture viewAt(int width, int height);
    // The rectangles of pixels drawn since the front end last took them, for the screen.
    const std::vector<PixelRect>& takeChanges() override { return picture_.changes().take(); }
    const Panels& panels() const { return panels_; }

    // Every handler, opaque to the front ends.
    struct Handlers;
    // For tests and the test module only, never a front end: see below.
    struct TestProbe;

private:
    // "Zurück zum Start": the start's setup applied afresh (see startAfresh).
    void backToStart();
    // Before a setup is applied in the middle of a lesson (an experiment, "Zurück zum Start"):
    // everything as the window's load left it, so that the setup gives what it gives from a
    // fresh start, whatever came before: the chain at rest, every control's look, no pulse or
    // train under way, no tape, the clock at 0, the diagram's record empty. Kept on purpose:
    // the snapshot, the masses chosen for the diagram and whether the diagram is shown.
    void startAfresh();

    ChainState state_;
    ChainPicture picture_;
    Panels panels_;
    ChainPass pass_;
    TimeDiagram diagram_;
    RunPace pace_;
    bool started_ = false;
    Setup freshSetup_; // every setting as the load leaves it
    Setup startSetup_;
    Panels::Look startLook_;
    int experiment_ = 0;
    InputCodes::Device device_ = InputCodes::Device::Mouse;
    std::function<void()> end_;
    std::unique_ptr<Handlers> handlers_;
};

// The state and the picture to write, for a test's case that no input reaches (a time step
// below the speed bar's range, a fault planted, a stroke a handler must draw over).
struct Instrument::TestProbe {
    static ChainState& state(Instrument& instrument) { return instrument.state_; }
    static ChainPicture& picture(Instrument& instrument) { return instrument.picture_; }
};
