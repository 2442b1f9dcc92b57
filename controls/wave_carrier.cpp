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
    state_.selfCoeff = Chain::kTorsionSelfCoeff;
    c_.Option1.setChecked(true);
    c_.Option2.setChecked(false);
    c_.window.setWindowTitle(caption(QStringLiteral("Torsionskette"), 32));
    c_.Command6.setText(QStringLiteral("    Info zur Torsionskette"));
}

void WaveCarrier::Option2_Click() {
    state_.selfCoeff = Chain::kPendulumSelfCoeff;
    c_.Option2.setChecked(true);
    c_.Option1.setChecked(false);
    c_.window.setWindowTitle(caption(QStringLiteral("Pendelkette"), 36));
    c_.Command6.setText(QStringLiteral("   Info zur Pendelkette"));
}
