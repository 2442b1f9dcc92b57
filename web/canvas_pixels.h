#pragma once

#include "core/chain_constants.h"

#include <cstddef>
#include <cstdint>
#include <string>

// Pixels and colours as a canvas and a style sheet take them.
namespace CanvasPixels {

// `count` pixels 0xAARRGGBB as the bytes of an ImageData: red, green, blue and an opaque alpha.
void toRgba(const std::uint32_t* argb, std::size_t count, std::uint8_t* rgba);

// A colour as CSS writes it: "#rrggbb".
std::string colourText(const Chain::Rgb& colour);

} // namespace CanvasPixels
