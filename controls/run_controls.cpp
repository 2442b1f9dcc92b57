#include "controls/run_controls.h"

#include "controls/markers.h"
#include "core/chain_state.h"
#include "platform/indicators.h"
#include "platform/process_end.h"
#include "sim/chain_runner.h"

#include <QLabel>
#include <QPushButton>

RunControls::RunControls(ChainState& state, ChainRunner& runner, Markers& markers,
                         const Controls& controls)
    : state_(state), runner_(runner), markers_(markers), c_(controls) {}

void RunControls::Command11_Click() {
    ChainState& s = state_;
    s.halted = toggled(s.halted);
    if (s.halted == 0) {
        c_.Command11.setText(QStringLiteral("Halt"));
        c_.Label6.setText(driveModeCaption(s.harmonicOn == 1));
        if (runner_.activeLoops() > 0) {
            // The halt was set within the same yield; the loop below has not yet seen it and
            // carries on at its next pass.
            return;
        }
        runner_.RunChain();
    }
    if (s.halted == 1) {
        showHalted();
    }
}

void RunControls::Command10_Click() {
    c_.window.hide();
    endProcess(0);
}

void RunControls::showHalted() {
    c_.Command11.setText(QStringLiteral("Weiter"));
    c_.Label6.setText(QStringLiteral("Halt"));
    // The masses of the heavy half may have cut gaps into the boundary.
    if (state_.refractionOn == 1) {
        markers_.showRefraction(true);
    }
}
