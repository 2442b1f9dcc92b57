#include "instrument/wave_carrier.h"

#include "core/chain_constants.h"
#include "core/chain_state.h"
#include "core/version.h"
#include "instrument/panels.h"
#include "language/language.h"

namespace {

constexpr const char* kTorsion = N_("Torsionskette");
constexpr const char* kPendulum = N_("Pendelkette");

std::string caption(const char* carrier, int blanks) {
    return std::string("Zarvel - ") + std::string(Language::translate(carrier)) +
           std::string(blanks, ' ') + ONDIX_CREDIT_LINE;
}

// The information button names the carrier after a few blanks: three at start and for the
// pendulum chain, four once the torsion chain has been chosen.
std::string infoCaption(const char* carrier, int blanks) {
    const char* text =
        carrier == kTorsion ? N_("Info zur Torsionskette") : N_("Info zur Pendelkette");
    return std::string(blanks, ' ') + std::string(Language::translate(text));
}

} // namespace

WaveCarrier::WaveCarrier(ChainState& state, Panels& panels) : state_(state), panels_(panels) {
    panels.setCaption(Role::kWindow, startTitle());
    panels.setCaption(Role::kCarrierPanel, Language::translate("Wellenträger"));
    // The options' captions are short where a language's names of the chains are long.
    panels.setCaption(Role::kTorsionOption, Language::translateIn("Wahl", "Torsionskette"));
    panels.setChecked(Role::kTorsionOption, true);
    panels.setCaption(Role::kPendulumOption, Language::translateIn("Wahl", "Pendelkette"));
    panels.setCaption(Role::kInfoButton, infoCaption(kTorsion, 3));
}

std::string WaveCarrier::startTitle() {
    return "Zarvel" + std::string(90, ' ') + ONDIX_CREDIT_LINE;
}

void WaveCarrier::chooseTorsionChain() {
    choose(Chain::kTorsionSelfCoeff, Role::kTorsionOption, Role::kPendulumOption,
           caption(kTorsion, 32), infoCaption(kTorsion, 4));
}

void WaveCarrier::choosePendulumChain() {
    choose(Chain::kPendulumSelfCoeff, Role::kPendulumOption, Role::kTorsionOption,
           caption(kPendulum, 36), infoCaption(kPendulum, 3));
}

void WaveCarrier::choose(float selfCoeff, Control chosen, Control other, const std::string& title,
                         const std::string& infoCaption) {
    state_.selfCoeff = selfCoeff;
    panels_.setChecked(chosen, true);
    panels_.setChecked(other, false);
    panels_.setCaption(Role::kWindow, title);
    panels_.setCaption(Role::kInfoButton, infoCaption);
}
