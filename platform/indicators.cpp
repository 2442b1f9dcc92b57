#include "platform/indicators.h"

#include "core/chain_constants.h"
#include "platform/qt_colour.h"

#include <QLabel>
#include <QLineEdit>

namespace {

QString onOff(bool on) {
    return on ? QStringLiteral("On") : QStringLiteral("Off");
}

QRgb colourOf(bool on) {
    return toQRgb(on ? Chain::kIndicatorOn : Chain::kIndicatorOff);
}

} // namespace

void showSwitch(QLabel& indicator, bool on) {
    indicator.setText(onOff(on));
    setBackColour(indicator, colourOf(on));
}

void showSwitch(QLineEdit& indicator, bool on) {
    indicator.setText(onOff(on));
    setBackColour(indicator, colourOf(on), QPalette::Base);
}

QString driveModeCaption(bool harmonicOn) {
    return harmonicOn ? QStringLiteral("Harmonisch bewegt") : QStringLiteral("Bewegung mit Maus");
}
