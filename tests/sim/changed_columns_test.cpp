// What the view hands the screen, without a widget: the exact columns a change marks in its bands
// of rows, the runs they are handed over in, and a paint's rectangles merged down columns.

#include "sim/dirty_tiles.h"

#include <QRegion>
#include <gtest/gtest.h>

#include <vector>

namespace {

using Rects = std::vector<QRect>;

TEST(DirtyTiles, ExactColumnsBandByBandClippedAndTakenOnce) {
    DirtyTiles tiles;
    tiles.resize({200, 40});        // 3 bands of rows, the last one 8 rows high
    tiles.mark({5, 20, 4, 4});      // band 1
    tiles.mark({7, 17, 4, 2});      // overlaps it: one run
    tiles.mark({190, 35, 20, 10});  // band 2, beyond the image's edge
    tiles.mark({60, 2, 70, 1});     // across two words of columns in band 0
    tiles.mark({130, 3, 1, 1});     // right after it: the same run
    tiles.mark({-20, -20, 10, 10}); // outside: nothing
    EXPECT_EQ(tiles.take(), (Rects{{60, 0, 71, 16}, {5, 16, 6, 16}, {190, 32, 10, 8}}));
    EXPECT_EQ(tiles.take(), Rects{});

    tiles.mark({0, 0, 2, 2});
    tiles.resize({30, 40}); // a new size forgets every mark
    EXPECT_EQ(tiles.take(), Rects{});
}

TEST(DirtyTiles, PaintRectanglesMergeDownTheirColumnOnly) {
    QRegion region;
    const Rects rows{{4, 0, 8, 16}, {4, 16, 8, 16}, {16, 16, 4, 16}, {4, 32, 4, 16}};
    region.setRects(rows.data(), int(rows.size()));
    DirtyTiles tiles;
    EXPECT_EQ(tiles.mergedColumns(region), (Rects{{4, 0, 8, 32}, {16, 16, 4, 16}, {4, 32, 4, 16}}));
}

} // namespace
