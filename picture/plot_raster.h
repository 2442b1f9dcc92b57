#pragma once

#include <cstdint>
#include <vector>

// A plain raster for plots, free of any toolkit: pixels in the same format as the chain's
// picture (one 32-bit word 0xAARRGGBB a pixel, rows one after the other, alpha always 0xFF),
// filled by rectangles clipped to the raster. A front end shows the pixels as they are.
class PlotRaster {
public:
    using Pixel = std::uint32_t;

    // A new size in pixels (negative sizes count as empty), every pixel `colour`.
    void resize(int width, int height, Pixel colour);
    // Every pixel `colour`.
    void fill(Pixel colour);
    // The pixels x0 <= x < x1, y0 <= y < y1 within the raster in `colour`.
    void fillRect(int x0, int y0, int x1, int y1, Pixel colour);
    // A vertical run from y0 to y1 inclusive (either way round) in column x, `thickness` pixels
    // wide to the right.
    void verticalRun(int x, int y0, int y1, int thickness, Pixel colour);
    // Another raster's pixels (`width` x `height`, rows one after the other) with their top-left
    // corner at (x, y), clipped to this one.
    void put(int x, int y, const Pixel* pixels, int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    const Pixel* pixels() const { return pixels_.data(); }
    Pixel pixel(int x, int y) const { return pixels_[std::size_t(y) * std::size_t(width_) + x]; }

private:
    std::vector<Pixel> pixels_;
    int width_ = 0;
    int height_ = 0;
};
