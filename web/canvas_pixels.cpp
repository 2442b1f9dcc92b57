#include "web/canvas_pixels.h"

#include <cstdio>

namespace CanvasPixels {

void toRgba(const std::uint32_t* argb, std::size_t count, std::uint8_t* rgba) {
    for (std::size_t i = 0; i < count; ++i, rgba += 4) {
        const std::uint32_t p = argb[i];
        rgba[0] = static_cast<std::uint8_t>(p >> 16);
        rgba[1] = static_cast<std::uint8_t>(p >> 8);
        rgba[2] = static_cast<std::uint8_t>(p);
        rgba[3] = 0xFF;
    }
}

std::string colourText(const Chain::Rgb& colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.r & 0xFF, colour.g & 0xFF,
                  colour.b & 0xFF);
    return text;
}

} // namespace CanvasPixels
