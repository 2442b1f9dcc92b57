#pragma once

#include "core/chain_constants.h"

#include <cmath>

// The chain's user scale on a picture of `width` x `height` pixels: x from kViewLeft at the left
// edge to kViewLeft + kViewWidth at the right one, y from kViewTop at the top to kViewBottom at
// the bottom. Every front end maps its pointer and its drawing with these, so a point is the
// same pixel wherever it is drawn or pointed at.
namespace UserScale {

struct Point {
    int x;
    int y;
    friend bool operator==(const Point&, const Point&) = default;
};

// Pixel positions far outside the view (a left end dragged miles away) are clamped well
// before integer overflow; the clipping then discards them.
inline constexpr double kPixelLimit = 1.0e6;

inline int toPixelCoordinate(double value) {
    if (!(value > -kPixelLimit)) { // also catches NaN
        return static_cast<int>(-kPixelLimit);
    }
    if (value > kPixelLimit) {
        return static_cast<int>(kPixelLimit);
    }
    return static_cast<int>(std::floor(value + 0.5));
}

// The pixel whose centre is nearest to the point.
inline Point toPixel(double x, double y, int width, int height) {
    const double px = (x - Chain::kViewLeft) * width / Chain::kViewWidth;
    const double py = (y - Chain::kViewTop) * height / Chain::kViewHeight;
    return {toPixelCoordinate(px), toPixelCoordinate(py)};
}

inline float toUserX(double pixelX, int width) {
    if (width <= 0) {
        return Chain::kViewLeft;
    }
    return static_cast<float>(Chain::kViewLeft + pixelX * Chain::kViewWidth / width);
}

inline float toUserY(double pixelY, int height) {
    if (height <= 0) {
        return Chain::kViewTop;
    }
    return static_cast<float>(Chain::kViewTop + pixelY * Chain::kViewHeight / height);
}

} // namespace UserScale
