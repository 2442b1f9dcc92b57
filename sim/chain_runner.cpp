#include "sim/chain_runner.h"

#include "core/chain_state.h"
#include "platform/process_end.h"
#include "sim/chain_view.h"

ChainRunner::ChainRunner(ChainState& state, ChainView& view, ChainPass& pass, Yield yield)
    : state_(state), view_(view), pass_(pass), yield_(std::move(yield)),
      showFrame_([this] { showFrame(); }) {}

void ChainRunner::RunChain() {
    pass_.begin();
    ++activeLoops_;
    while (state_.halted != 1) {
        view_.prepare();
        pass_.step();
        yield_(showFrame_);
    }
    --activeLoops_;
    showFrame();
}

void ChainRunner::showFrame() {
    // The clock's text goes to the screen in the same frame as the chain.
    pass_.showPendingClock();
    view_.flush();
}

void ChainRunner::endProgram() {
    endProcess(0);
}
