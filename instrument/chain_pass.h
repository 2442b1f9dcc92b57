#pragma once

#include "core/chain_state.h"
#include "picture/chain_picture.h"

#include <array>

class HarmonicDrive;
class Panels;
class TimeDiagram;

// The colour each mass's dot is drawn in.
using DotColours = std::array<ChainPicture::Pixel, ChainState::kLastMass + 1>;

// One pass of the chain as every front end runs it: the physics, the 98 dots moved in the
// picture, the clock time; and the clock's read-out, which a front end brings up to date once
// per frame it shows (see keepClock). How the passes are paced is the front end's.
class ChainPass {
public:
    ChainPass(ChainState& state, ChainPicture& picture, Panels& panels);

    // Before the first pass of a run: the pen at its resting width, as every pass leaves it.
    void begin();
    // The physics, the dots and the clock time of one pass. Allocates nothing.
    void run();
    // One pass inside a run: run, then keepClock.
    void step() {
        run();
        keepClock();
    }

    // After each pass inside a run: keeps the latest clock value while the clock runs, for the
    // next frame; writes it at once when the clock has stopped. Allocates nothing while the
    // clock runs.
    void keepClock();
    // At a frame: the clock's latest value into its read-out, if one is waiting.
    void showPendingClock();
    // A clock value that waits for its frame, dropped: the clock has been set back.
    void forgetClock() { clockPending_ = false; }

    // Each mass's colour: the mass colour, or a chosen mass's own. Redrawing is the caller's.
    void setDotColour(int mass, ChainPicture::Pixel colour) {
        dotColours_[static_cast<std::size_t>(mass)] = colour;
    }
    const DotColours& dotColours() const { return dotColours_; }
    // Told of every pass after it ran; it only reads the state.
    void recordInto(TimeDiagram& diagram) { diagram_ = &diagram; }
    // Asked before each pass whether a pulse of the drive ends there.
    void endPulsesOf(HarmonicDrive& drive) { drive_ = &drive; }

    // The masses of the heavy half are drawn with the wider pen while refraction is on.
    static bool drawnWide(const ChainState& state, int i);
    // A time as the clock shows it: in whole hundredths, the steps' smallest, cut down.
    static long long clockHundredths(double time);

private:
    void drawMasses();
    double clockValue() const;
    void showClock(double shown);

    ChainState& state_;
    ChainPicture& picture_;
    Panels& panels_;
    double pendingClock_ = 0;
    bool clockPending_ = false;
    DotColours dotColours_{};
    TimeDiagram* diagram_ = nullptr;
    HarmonicDrive* drive_ = nullptr;
};
