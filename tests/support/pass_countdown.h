#pragma once

#include "core/chain_state.h"
#include "sim/chain_runner.h"

#include <functional>

// A run loop's yield that halts the run after a set number of passes, so that a test runs
// RunChain for exactly that many. `onPass`, if set, acts first, with the passes still to come.
struct PassCountdown {
    explicit PassCountdown(ChainState& s) : state(s) {}

    ChainState& state;
    int left = 0;
    std::function<void(int left)> onPass;

    // Every pass is a frame of its own.
    void operator()(const ChainRunner::ShowFrame& show) {
        if (onPass) {
            onPass(left);
        }
        show();
        if (--left <= 0) {
            state.halted = 1;
        }
    }

    void run(ChainRunner& runner, int passes) {
        left = passes;
        state.halted = 0;
        runner.RunChain();
    }
};
