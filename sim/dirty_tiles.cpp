#include "sim/dirty_tiles.h"

#include <QRegion>

#include <algorithm>

void DirtyTiles::resize(QSize size) {
    size_ = size;
    columns_ = (size.width() + kTileWidth - 1) >> kTileWidthShift;
    const int rows = (size.height() + kTileHeight - 1) >> kTileHeightShift;
    tiles_.assign(static_cast<std::size_t>(std::max(0, columns_ * rows)), 0);
    firstRow_ = 0;
    lastRow_ = -1;
}

void DirtyTiles::mark(const QRect& rect) {
    const QRect inside = rect & QRect(QPoint(0, 0), size_);
    if (inside.isEmpty()) {
        return;
    }
    const int firstRow = inside.top() >> kTileHeightShift;
    const int lastRow = inside.bottom() >> kTileHeightShift;
    const int firstColumn = inside.left() >> kTileWidthShift;
    const int lastColumn = inside.right() >> kTileWidthShift;
    for (int row = firstRow; row <= lastRow; ++row) {
        std::uint8_t* tiles = tiles_.data() + row * columns_;
        std::fill(tiles + firstColumn, tiles + lastColumn + 1, std::uint8_t{1});
    }
    if (lastRow_ < firstRow_) {
        firstRow_ = firstRow;
        lastRow_ = lastRow;
    } else {
        firstRow_ = std::min(firstRow_, firstRow);
        lastRow_ = std::max(lastRow_, lastRow);
    }
}

const std::vector<QRect>& DirtyTiles::take() {
    taken_.clear();
    for (int row = firstRow_; row <= lastRow_; ++row) {
        std::uint8_t* tiles = tiles_.data() + row * columns_;
        int runStart = -1;
        for (int column = 0; column <= columns_; ++column) {
            const bool changed = column < columns_ && tiles[column] != 0;
            if (column < columns_) {
                tiles[column] = 0;
            }
            if (changed && runStart < 0) {
                runStart = column;
            } else if (!changed && runStart >= 0) {
                const QRect run(runStart * kTileWidth, row * kTileHeight,
                                (column - runStart) * kTileWidth, kTileHeight);
                taken_.push_back(run & QRect(QPoint(0, 0), size_));
                runStart = -1;
            }
        }
    }
    firstRow_ = 0;
    lastRow_ = -1;
    return taken_;
}

const std::vector<QRect>& DirtyTiles::mergedColumns(const QRegion& region) {
    // The region comes in rows of rectangles; a mass's strokes of one frame lie in one column
    // of them.
    merged_.clear();
    for (const QRect& rect : region) {
        const auto reach = std::min<std::ptrdiff_t>(kMergeReach, std::ssize(merged_));
        const auto searched = merged_.rbegin() + reach;
        auto above = std::find_if(merged_.rbegin(), searched, [&](const QRect& r) {
            return r.bottom() + 1 == rect.top() && r.left() == rect.left() &&
                   r.right() == rect.right();
        });
        if (above != searched) {
            above->setBottom(rect.bottom());
        } else {
            merged_.push_back(rect);
        }
    }
    return merged_;
}
