#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// A rectangle of pixels: its top-left corner and its size.
struct PixelRect {
    int x;
    int y;
    int width;
    int height;
    int right() const { return x + width - 1; }
    int bottom() const { return y + height - 1; }
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// Which pixels of an image changed since the screen was last told, and the shape in which they
// are handed over. The image is cut into bands of rows; in each band the changed pixel columns
// are kept exactly, one bit each. So a moving mass's strokes of one frame give one rectangle per
// band, exactly as wide as its dot, and the rectangles of a frame fall into few bands: a region
// built from them stays a short list, where exact rows would split it at every dot's edge.
// Nothing here allocates once the size is set.
class ChangedColumns {
public:
    // A new image size; every mark is forgotten.
    void resize(int width, int height);

    // Marks the pixel columns a changed rectangle covers in every band it touches; what lies
    // outside the image is ignored.
    void mark(const PixelRect& rect);

    // The marked pixels as rectangles, and the marks cleared: each band gives its runs of marked
    // columns, so the rectangles come sorted by bands and then columns, which is the form a
    // region is built from. Valid until the next call.
    const std::vector<PixelRect>& take();

    // The rectangles of a region to paint, in the rows-then-columns order a region keeps them,
    // those that continue one another down a column merged into one: the cost of a paint is
    // mostly per rectangle, not per pixel. Valid until the next call.
    const std::vector<PixelRect>& mergedColumns(const std::vector<PixelRect>& region) {
        return mergeColumns(region, merged_);
    }
    // The same into `merged`, for one who shows the changes and keeps no marks.
    static const std::vector<PixelRect>& mergeColumns(const std::vector<PixelRect>& region,
                                                      std::vector<PixelRect>& merged);

    static constexpr int kBandHeight = 16;

private:
    static constexpr int kBandShift = 4;
    static_assert(kBandHeight == 1 << kBandShift);
    using Word = std::uint64_t;
    static constexpr int kWordBits = 64;
    // The first column at or after `from` whose mark is `marked`; the image's width if none.
    int nextColumn(const Word* words, int from, bool marked) const;

    // A merge looks back this many rectangles for the one above.
    static constexpr std::ptrdiff_t kMergeReach = 256;

    int width_ = 0;
    int height_ = 0;
    // Per band, one bit for each pixel column.
    std::vector<Word> columns_;
    int wordsPerBand_ = 0;
    // Bands firstBand_ to lastBand_ hold every mark.
    int firstBand_ = 0;
    int lastBand_ = -1;
    std::vector<PixelRect> taken_;
    std::vector<PixelRect> merged_;
};
