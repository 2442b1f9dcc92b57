#pragma once

#include "core/chain_constants.h"

#include <QColor>

// The chain's RGB triples as Qt colours.
constexpr QRgb toQRgb(Chain::Rgb colour) {
    return qRgb(colour.r, colour.g, colour.b);
}
