#include "instrument/snapshot.h"

#include "core/chain_constants.h"
#include "core/chain_state.h"
#include "instrument/chain_pass.h"
#include "instrument/panels.h"
#include "instrument/view_drawing.h"
#include "language/language.h"

#include <string>

Snapshot::Snapshot(const ChainState& state, ChainPass& pass, ViewDrawing& view, Panels& panels)
    : state_(state), pass_(pass), view_(view), panels_(panels) {
    panels.setCaption(Role::kSnapshotButton, Language::translate("Momentbild"));
    panels.setVisible(Role::kSnapshotTime, false);
    panels.setBack(Role::kSnapshotTime, Chain::kSnapshotColour);
}

void Snapshot::takeOrClear() {
    if (view_.snapshotShown()) {
        view_.hideSnapshot();
        panels_.setChecked(Role::kSnapshotButton, false);
        panels_.setVisible(Role::kSnapshotTime, false);
        return;
    }
    view_.showSnapshot();
    if (state_.clockOn == 1) {
        // The clock's reading as the dots show it: the one a frame would show next.
        pass_.showPendingClock();
        std::string reading = panels_.caption(Role::kClockReadout);
        reading.erase(0, reading.find_first_not_of(' '));
        panels_.setCaption(Role::kSnapshotTime,
                           std::string(Language::translate("Momentbild bei Uhr")) + ' ' + reading);
    } else {
        panels_.setCaption(Role::kSnapshotTime, Language::translate("Momentbild"));
    }
    panels_.setChecked(Role::kSnapshotButton, true);
    panels_.setVisible(Role::kSnapshotTime, true);
}
