#pragma once

#include "picture/changed_columns.h"

#include <cstdint>
#include <vector>

class ShownPicture;

// The chain's picture as a canvas takes it: bytes red, green, blue, alpha per pixel (an
// ImageData over this memory), brought up to date rectangle by rectangle from the picture's
// changed pixels, so that only those go to the canvas. The picture is only read, through its
// door (the instrument's).
class CanvasImage {
public:
    explicit CanvasImage(ShownPicture& shown);

    // The bytes, width x height x 4, valid until the picture's size changes.
    std::uint8_t* bytes() { return bytes_.data(); }

    // The pixels changed since the last call (with `all`, every pixel) copied into the bytes;
    // `put` is told each rectangle copied, for the canvas.
    template <typename Put> void update(bool all, Put&& put);

private:
    const std::vector<PixelRect>& changedRects(bool all);
    void copy(const PixelRect& rect);

    ShownPicture& shown_;
    std::vector<std::uint8_t> bytes_;
    std::vector<PixelRect> whole_;
    std::vector<PixelRect> merged_;
};

template <typename Put> void CanvasImage::update(bool all, Put&& put) {
    for (const PixelRect& rect : changedRects(all)) {
        copy(rect);
        put(rect);
    }
}
