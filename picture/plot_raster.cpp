#include "picture/plot_raster.h"

#include <algorithm>

void PlotRaster::resize(int width, int height, Pixel colour) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    pixels_.assign(std::size_t(width_) * std::size_t(height_), colour);
}

void PlotRaster::fill(Pixel colour) {
    std::fill(pixels_.begin(), pixels_.end(), colour);
}

void PlotRaster::fillRect(int x0, int y0, int x1, int y1, Pixel colour) {
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, width_);
    y1 = std::min(y1, height_);
    for (int y = y0; y < y1; ++y) {
        Pixel* row = pixels_.data() + std::size_t(y) * std::size_t(width_);
        std::fill(row + x0, row + std::max(x0, x1), colour);
    }
}

void PlotRaster::verticalRun(int x, int y0, int y1, int thickness, Pixel colour) {
    if (y0 > y1) {
        std::swap(y0, y1);
    }
    fillRect(x, y0, x + thickness, y1 + 1, colour);
}

void PlotRaster::put(int x, int y, const Pixel* pixels, int width, int height) {
    const int x0 = std::max(x, 0);
    const int x1 = std::min(x + width, width_);
    for (int row = std::max(y, 0); row < std::min(y + height, height_) && x0 < x1; ++row) {
        std::copy(pixels + std::size_t(row - y) * std::size_t(width) + (x0 - x),
                  pixels + std::size_t(row - y) * std::size_t(width) + (x1 - x),
                  pixels_.data() + std::size_t(row) * std::size_t(width_) + x0);
    }
}
