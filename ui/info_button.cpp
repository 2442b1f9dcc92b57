#include "ui/info_button.h"

#include "core/chain_constants.h"
#include "core/chain_state.h"

namespace {

// A closed window is only deleted once control is back in the event loop; until then it is
// hidden and no longer counts as open.
InfoWindow* openOrNull(const QPointer<InfoWindow>& window) {
    return window != nullptr && !window->isHidden() ? window.data() : nullptr;
}

} // namespace

InfoButton::InfoButton(const ChainState& state, QObject* parent) : QObject(parent), state_(state) {}

InfoButton::~InfoButton() {
    delete torsion_.data();
    delete pendulum_.data();
}

void InfoButton::Command6_Click() {
    // Exact comparisons: selfCoeff holds one of the two single-precision values the chain-type
    // options store.
    if (state_.selfCoeff == Chain::kTorsionSelfCoeff) {
        show(torsion_, InfoWindow::Page::TorsionChain);
    }
    if (state_.selfCoeff == Chain::kPendulumSelfCoeff) {
        show(pendulum_, InfoWindow::Page::PendulumChain);
    }
}

void InfoButton::show(QPointer<InfoWindow>& window, InfoWindow::Page page) {
    const bool created = openOrNull(window) == nullptr;
    if (created) {
        window = new InfoWindow(page);
        if (page == InfoWindow::Page::TorsionChain) {
            window->Form_Load();
        }
    }
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    // The window system may have placed the new window elsewhere.
    if (created && page == InfoWindow::Page::TorsionChain) {
        window->Form_Load();
    }
    window->raise();
    window->activateWindow();
}
