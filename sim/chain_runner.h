#pragma once

#include <functional>

class ChainView;
class QLineEdit;
struct ChainState;

// The engine of the simulation: RunChain integrates, draws and yields, pass after pass, until it
// finds the run halted at the top of a pass. Handlers act on the run only by changing the chain
// state between two passes; the loop reads every value afresh at its next pass.
class ChainRunner {
public:
    // Brings what the passes drew since the last frame, the chain and the clock, to the screen.
    using ShowFrame = std::function<void()>;
    // What the loop does after every pass: handles events and, once per display frame, shows
    // the frame with `showFrame` before it sleeps.
    using Yield = std::function<void(const ShowFrame& showFrame)>;

    ChainRunner(ChainState& state, ChainView& view, QLineEdit& clockReadout, Yield yield);

    // Runs until `halted` is 1 at the top of a pass. May be entered again from a handler that
    // runs inside its own yield (continue after halt); only the innermost loop executes.
    // Inside the loop the clock read-out is written at most once per display frame, with the
    // latest value, and at once when the clock stops or the run halts.
    void RunChain();

    // The chain's changed pixels and the clock's latest value to the screen.
    void showFrame();

    // Number of RunChain loops on the call stack.
    int activeLoops() const { return activeLoops_; }

private:
    // The physics, the dots and the clock time of one pass; the clock's read-out is keepClock's.
    void onePass();
    void drawMasses();
    double clockValue() const;
    void showClock(double shown);
    // Inside the loop: keeps the latest clock value while the clock runs, for the next display
    // frame; writes it at once when the clock has stopped.
    void keepClock();
    void showPendingClock();

    ChainState& state_;
    ChainView& view_;
    QLineEdit& clockReadout_;
    Yield yield_;
    ShowFrame showFrame_;
    int activeLoops_ = 0;
    double pendingClock_ = 0;
    bool clockPending_ = false;
};
