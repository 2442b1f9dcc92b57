#pragma once

#include "core/chain_state.h"
#include "sim/chain_runner.h"
#include "ui/ondix15.h"

#include <QCoreApplication>

#include <algorithm>
#include <functional>
#include <memory>

// The real main window, its chain state at hand, with a yield of the test's own in place of the
// paced one. Each pass the yield counts, lets the test act (`onPass`, before
// the pending events), shows the frame, handles the pending events like the program's own yield
// and acts again (`afterEvents`); at the pass `haltAt` it halts the run, so a test that fails to
// halt still ends. `nesting` is the number of run loops on the call stack while the test acts.
struct WindowSession {
    explicit WindowSession(int haltAfter = 3000) : haltAt(haltAfter) {}

    std::function<void(int pass)> onPass;
    std::function<void(int pass)> afterEvents;
    int haltAt;
    int pass = 0;
    int nesting = 0;
    int deepestNesting = 0;
    std::unique_ptr<Ondix15> window =
        std::make_unique<Ondix15>([this](const ChainRunner::ShowFrame& show) {
            ++pass;
            deepestNesting = std::max(deepestNesting, ++nesting);
            if (onPass) {
                onPass(pass);
            }
            show();
            QCoreApplication::processEvents();
            if (afterEvents) {
                afterEvents(pass);
            }
            if (pass >= haltAt) {
                state.halted = 1;
            }
            --nesting;
        });
    ChainState& state = window->state();

    const MainControls& c() const { return window->controls(); }
    ChainView& view() const { return *c().view(); }

    // The load handler, which runs the chain until the run halts.
    void start() { window->load(); }
    // The load handler with the run halted after its first pass.
    void startHalted() {
        haltAt = pass + 1;
        start();
    }
    // `passes` more passes of the chain, run from outside the window as its run loop runs them.
    void runPasses(int passes) {
        ChainRunner runner(state, view(), window->instrument().pass(),
                           [this](const ChainRunner::ShowFrame& show) {
                               ++pass;
                               show();
                               if (pass >= haltAt) {
                                   state.halted = 1;
                               }
                           });
        haltAt = pass + passes;
        state.halted = 0;
        runner.RunChain();
    }
};
