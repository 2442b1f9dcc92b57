// What the view hands the screen, without a widget: the tiles a change marks, the runs they are
// handed over in, and a paint's rectangles merged down columns.

#include "sim/dirty_tiles.h"

#include <QRegion>
#include <gtest/gtest.h>

#include <vector>

namespace {

using Rects = std::vector<QRect>;

TEST(DirtyTiles, RunsOfMarkedTilesRowByRowClippedAndTakenOnce) {
    DirtyTiles tiles;
    tiles.resize({30, 40});         // 8 tiles across, the last one 2 pixels wide; 3 rows of tiles
    tiles.mark({5, 20, 4, 4});      // tiles 1 and 2 of row 1
    tiles.mark({26, 35, 10, 10});   // the last two tiles of row 2, beyond the image's edge
    tiles.mark({-20, -20, 10, 10}); // outside: nothing
    EXPECT_EQ(tiles.take(), (Rects{{4, 16, 8, 16}, {24, 32, 6, 8}}));
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
