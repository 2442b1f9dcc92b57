#pragma once

#include "instrument/chain_pass.h"
#include "instrument/run_loop.h"

#include <functional>

class ChainView;
struct ChainState;

// The engine of the simulation on the desktop: RunChain runs the chain's passes (ChainPass) and
// yields after each, pass after pass, until it finds the run halted at the top of a pass.
// Handlers act on the run only by changing the chain state between two passes; the loop reads
// every value afresh at its next pass.
class ChainRunner : public RunLoop {
public:
    // Brings what the passes drew since the last frame, the chain and the clock, to the screen.
    using ShowFrame = std::function<void()>;
    // What the loop does after every pass: handles events and, once per display frame, shows
    // the frame with `showFrame` before it sleeps.
    using Yield = std::function<void(const ShowFrame& showFrame)>;

    // `pass` draws into the view's picture and writes the clock's read-out.
    ChainRunner(ChainState& state, ChainView& view, ChainPass& pass, Yield yield);

    // Runs until `halted` is 1 at the top of a pass. May be entered again from a handler that
    // runs inside its own yield (continue after halt); only the innermost loop executes.
    // Inside the loop the clock read-out is written at most once per display frame, with the
    // latest value, and at once when the clock stops or the run halts.
    void RunChain() override;

    // The chain's changed pixels and the clock's latest value to the screen.
    void showFrame();

    // Number of RunChain loops on the call stack.
    int activeLoops() const override { return activeLoops_; }

    // Ends the process at once: a request to quit the application's event loop would never
    // get back out through the yield of a running loop.
    [[noreturn]] void endProgram() override;

private:
    ChainState& state_;
    ChainView& view_;
    ChainPass& pass_;
    Yield yield_;
    ShowFrame showFrame_;
    int activeLoops_ = 0;
};
