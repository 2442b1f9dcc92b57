#pragma once

#include "core/chain_constants.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

// The chain's RGB triples as Qt colours.
constexpr QRgb toQRgb(Chain::Rgb colour) {
    return qRgb(colour.r, colour.g, colour.b);
}

// A control's back colour: a label shows it in the Window role, a text box in the Base role.
inline void setBackColour(QWidget& control, QRgb colour,
                          QPalette::ColorRole role = QPalette::Window) {
    QPalette palette = control.palette();
    palette.setColor(role, QColor(colour));
    control.setPalette(palette);
}
