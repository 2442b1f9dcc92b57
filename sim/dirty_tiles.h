#pragma once

#include <QRect>
#include <QSize>

#include <cstddef>
#include <cstdint>
#include <vector>

class QRegion;

// Which pixels of an image changed since the screen was last told, kept in tiles, and the
// shape in which they are handed over. Narrow tiles keep the masses' columns apart, tall ones
// keep a moving mass's strokes of one frame in one or two tiles: few rectangles to update.
// Nothing here allocates once the size is set.
class DirtyTiles {
public:
    // A new image size; every mark is forgotten.
    void resize(QSize size);

    // Marks the tiles a changed rectangle touches; what lies outside the image is ignored.
    void mark(const QRect& rect);

    // The marked tiles as rectangles, and the marks cleared: each row of tiles gives the runs of
    // marked tiles side by side, so the rectangles come sorted by rows and then columns, which
    // is the form a region is built from. Valid until the next call.
    const std::vector<QRect>& take();

    // The rectangles of a region to paint, those that continue one another down a column
    // merged into one: the cost of a paint is mostly per rectangle, not per pixel. Valid until
    // the next call.
    const std::vector<QRect>& mergedColumns(const QRegion& region);

    static constexpr int kTileWidth = 4;
    static constexpr int kTileHeight = 16;

private:
    static constexpr int kTileWidthShift = 2;
    static constexpr int kTileHeightShift = 4;
    static_assert(kTileWidth == 1 << kTileWidthShift && kTileHeight == 1 << kTileHeightShift);
    // A merge looks back this many rectangles for the one above.
    static constexpr std::ptrdiff_t kMergeReach = 256;

    QSize size_{0, 0};
    std::vector<std::uint8_t> tiles_;
    int columns_ = 0;
    // Rows of tiles firstRow_ to lastRow_ hold every mark.
    int firstRow_ = 0;
    int lastRow_ = -1;
    std::vector<QRect> taken_;
    std::vector<QRect> merged_;
};
