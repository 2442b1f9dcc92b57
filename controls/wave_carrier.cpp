#include "controls/wave_carrier.h"

#include "core/chain_constants.h"
#include "core/chain_state.h"
#include "platform/app_identity.h"

#include <QPushButton>
#include <QRadioButton>

namespace {

QString caption(const QString& carrier, int blanks) {
    return QStringLiteral("Zarvel - ") + carrier + QString(blanks, QLatin1Char(' ')) + creditLine();
}

} // namespace

WaveCarrier::WaveCarrier(ChainState& state, const Controls& controls)
    : state_(state), c_(controls) {}

void WaveCarrier::Option1_Click() {
    choose(Chain::kTorsionSelfCoeff, c_.Option1, c_.Option2,
           caption(QStringLiteral("Torsionskette"), 32),
           QStringLiteral("    Info zur Torsionskette"));
}

void WaveCarrier::Option2_Click() {
    choose(Chain::kPendulumSelfCoeff, c_.Option2, c_.Option1,
           caption(QStringLiteral("Pendelkette"), 36), QStringLiteral("   Info zur Pendelkette"));
}

void WaveCarrier::choose(float selfCoeff, QRadioButton& chosen, QRadioButton& other,
                         const QString& title, const QString& infoCaption) {
    state_.selfCoeff = selfCoeff;
    chosen.setChecked(true);
    other.setChecked(false);
    c_.window.setWindowTitle(title);
    c_.Command6.setText(infoCaption);
}
