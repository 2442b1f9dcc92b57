#include "controls/wave_carrier.h"

#include "core/chain_constants.h"
#include "core/chain_state.h"
#include "platform/app_identity.h"

#include <QPushButton>
#include <QRadioButton>

namespace {

const QString kTorsion = QStringLiteral("Torsionskette");
const QString kPendulum = QStringLiteral("Pendelkette");

QString caption(const QString& carrier, int blanks) {
    return QStringLiteral("Zarvel - ") + carrier + QString(blanks, QLatin1Char(' ')) + creditLine();
}

// The information button names the carrier after a few blanks: three at start and for the
// pendulum chain, four once the torsion chain has been chosen.
QString infoCaption(const QString& carrier, int blanks) {
    return QString(blanks, QLatin1Char(' ')) + QStringLiteral("Info zur ") + carrier;
}

} // namespace

WaveCarrier::WaveCarrier(ChainState& state, const Controls& controls)
    : state_(state), c_(controls) {}

void WaveCarrier::Option1_Click() {
    choose(Chain::kTorsionSelfCoeff, c_.Option1, c_.Option2, caption(kTorsion, 32),
           infoCaption(kTorsion, 4));
}

void WaveCarrier::Option2_Click() {
    choose(Chain::kPendulumSelfCoeff, c_.Option2, c_.Option1, caption(kPendulum, 36),
           infoCaption(kPendulum, 3));
}

QString WaveCarrier::startInfoCaption() {
    return infoCaption(kTorsion, 3);
}

void WaveCarrier::choose(float selfCoeff, QRadioButton& chosen, QRadioButton& other,
                         const QString& title, const QString& infoCaption) {
    state_.selfCoeff = selfCoeff;
    chosen.setChecked(true);
    other.setChecked(false);
    c_.window.setWindowTitle(title);
    c_.Command6.setText(infoCaption);
}
