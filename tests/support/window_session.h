#pragma once

#include "core/chain_state.h"
#include "desktop/view/chain_view.h"
#include "desktop/window/ondix15.h"

#include <QAbstractButton>
#include <QCoreApplication>

#include <functional>
#include <memory>

// The real main window, its chain state at hand, with the test in place of the display frame's
// timer: the test has the window run its passes one by one (run), as frames would run them. After
// each pass the test acts (`onPass`), the pending events are handled as the toolkit's loop handles
// them between frames, and the test acts again (`afterEvents`); at the pass `haltAt` the run's
// halt flag is set, so a test that fails to halt still ends. A click that continues a standing
// run has the passes run from it, as the frames would run them. `nesting` is 1 while run goes on.
struct WindowSession {
    explicit WindowSession(int haltAfter = 3000) : haltAt(haltAfter) {
        // A test draws into the picture the view shows, as a handler would, to plant a stroke.
        view().drawInto(Instrument::TestProbe::picture(window->instrument()));
        QObject::connect(c().button(Role::kHaltButton), &QAbstractButton::clicked, [this] {
            if (runOnContinue && window->instrument().running()) {
                run();
            }
        });
    }

    std::function<void(int pass)> onPass;
    std::function<void(int pass)> afterEvents;
    int haltAt;
    int pass = 0;
    int nesting = 0;
    // Whether a continuing click runs the passes from inside it; a test that runs them from its
    // own event loop, as the frames do, turns it off.
    bool runOnContinue = true;
    std::unique_ptr<Ondix15> window = std::make_unique<Ondix15>(Ondix15::Pacing::ByCaller);
    // The tests reach into the chain state as a probe would, to set up a case or plant a fault.
    ChainState& state = Instrument::TestProbe::state(window->instrument());

    const MainControls& c() const { return window->controls(); }
    ChainView& view() const { return *c().view(); }

    // The load handler, then the run until it stands.
    void start() {
        window->load();
        run();
    }
    // The load handler with the run halted after its first pass.
    void startHalted() {
        haltAt = pass + 1;
        start();
    }
    // The run's passes one by one while it goes and the window is open, until the pass `haltAt`.
    void run() {
        if (nesting > 0) {
            return; // a step inside the run: it goes on by itself
        }
        ++nesting;
        while (pass < haltAt && window->isVisible() && window->runPasses(1) == 1) {
            ++pass;
            if (onPass) {
                onPass(pass);
            }
            QCoreApplication::processEvents();
            if (afterEvents) {
                afterEvents(pass);
            }
            if (pass >= haltAt) {
                state.halted = 1;
            }
        }
        --nesting;
    }
    // `passes` more passes of the chain, from outside the window's events, the halt flag cleared.
    void runPasses(int passes) {
        state.halted = 0;
        pass += window->runPasses(passes);
        haltAt = pass;
        state.halted = 1;
    }
};
