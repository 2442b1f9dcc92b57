// What the view hands the screen, without a widget: the exact columns a change marks in its bands
// of rows, the runs they are handed over in, and a paint's rectangles merged down columns.

#include "picture/changed_columns.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Rects = std::vector<PixelRect>;

TEST(ChangedColumns, ExactColumnsBandByBandClippedAndTakenOnce) {
    ChangedColumns columns;
    columns.resize(200, 40);          // 3 bands of rows, the last one 8 rows high
    columns.mark({5, 20, 4, 4});      // band 1
    columns.mark({7, 17, 4, 2});      // overlaps it: one run
    columns.mark({190, 35, 20, 10});  // band 2, beyond the image's edge
    columns.mark({60, 2, 70, 1});     // across two words of columns in band 0
    columns.mark({130, 3, 1, 1});     // right after it: the same run
    columns.mark({-20, -20, 10, 10}); // outside: nothing
    EXPECT_EQ(columns.take(), (Rects{{60, 0, 71, 16}, {5, 16, 6, 16}, {190, 32, 10, 8}}));
    EXPECT_EQ(columns.take(), Rects{});

    columns.mark({0, 0, 2, 2});
    columns.resize(30, 40); // a new size forgets every mark
    EXPECT_EQ(columns.take(), Rects{});
}

TEST(ChangedColumns, PaintRectanglesMergeDownTheirColumnOnly) {
    const Rects rows{{4, 0, 8, 16}, {4, 16, 8, 16}, {16, 16, 4, 16}, {4, 32, 4, 16}};
    ChangedColumns columns;
    EXPECT_EQ(columns.mergedColumns(rows), (Rects{{4, 0, 8, 32}, {16, 16, 4, 16}, {4, 32, 4, 16}}));
}

} // namespace
