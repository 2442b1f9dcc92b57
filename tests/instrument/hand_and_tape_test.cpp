// The measuring tape without a window: its read-out in the panels' state and its ticks in the
// chain's picture.

#include "core/chain_state.h"
#include "instrument/hand_and_tape.h"
#include "instrument/input_codes.h"
#include "instrument/instrument.h"
#include "instrument/panels.h"
#include "instrument/tape_marks.h"
#include "picture/chain_picture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace {

// Top row, bottom row and pixel count of the foreground pixels in a column of the picture.
struct InkRun {
    int top = 1 << 30, bottom = -1, pixels = 0;
    friend bool operator==(const InkRun&, const InkRun&) = default;
};

std::map<int, InkRun> inkByColumn(const ChainPicture& picture) {
    std::map<int, InkRun> runs;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (picture.pixel(x, y) == picture.foreground()) {
                InkRun& run = runs[x];
                run.top = std::min(run.top, y);
                run.bottom = std::max(run.bottom, y);
                ++run.pixels;
            }
        }
    }
    return runs;
}

struct TapeRow {
    const char* what;
    float from;
    float to;
    int ticks;
    const char* text;
};

constexpr TapeRow kTapes[] = {
    {"to 22.75: ticks up to 22.3, 12.45 reads 12,4", 10.3f, 22.75f, 13, "12,4"},
    {"to 10.4: no tick; 10.4f - 10.3f, just below 0.1, reads 0", 10.3f, 10.4f, 0, "0"},
    {"to 10.6: the end 11 takes the first tick", 10.3f, 10.6f, 1, "0,3"},
    {"leftwards: -2.35 reads -2,4, no ticks", 10.0f, 7.65f, 0, "-2,4"},
    {"12.99 reads 12,9", 10.0f, 22.99f, 14, "12,9"},
};

TEST(HandAndTape, TheTapeReadsTheTenthBelowBesideThePointerAndTicksEveryUnit) {
    for (const TapeRow& row : kTapes) {
        SCOPED_TRACE(row.what);
        ChainState state;
        setStartValues(state);
        ChainPicture picture; // 10 pixels a unit across, 100 up
        picture.setBackground(ChainPicture::pixelOf(Chain::kBackground));
        picture.resize(1000, 600, 1);
        Panels panels;
        TapeMarks tapes{picture};
        HandAndTape hand{state, tapes, panels};
        hand.press(InputCodes::kRightButton, 0, row.from, 1);
        hand.move(InputCodes::kRightButton, 0, row.to, 1);

        const Panels::State& readOut = panels[Role::kTapeReadout];
        EXPECT_EQ(readOut.caption, row.text);
        EXPECT_TRUE(readOut.visible);
        EXPECT_EQ(readOut.x, row.to);
        EXPECT_EQ(readOut.y, 0.5f); // half a unit above the tape
        EXPECT_EQ(picture.penWidth(), Chain::kRestingPen);
        // A tick every unit from the press point, every fifth longer, every tenth the longest.
        const std::map<int, InkRun> ink = inkByColumn(picture);
        ASSERT_EQ(int(ink.size()), row.ticks);
        for (int k = 0; k < row.ticks; ++k) {
            const double length = k % 10 == 0 ? 0.2 : k % 5 == 0 ? 0.15 : 0.1;
            const UserScale::Point base = picture.toPixel(row.from + k, 1);
            const InkRun& run = ink.at(base.x);
            EXPECT_EQ(run.bottom, base.y);
            EXPECT_EQ(run.top, picture.toPixel(row.from + k, 1 - length).y);
            EXPECT_EQ(run.pixels, run.bottom - run.top + 1); // one pixel wide, unbroken
        }
    }
}

TEST(HandAndTape, TheTicksOutliveANewSizeAndGoWithAClearing) {
    Instrument m(",");
    m.resize(1000, 600, 1);
    m.start();
    using Pointer = Instrument::Pointer;
    for (const Pointer kind : {Pointer::Press, Pointer::Move, Pointer::Release}) {
        m.pointer(kind, InputCodes::kRightButton, 0, kind == Pointer::Press ? 10.3f : 22.75f, 1);
    }
    // The tape's columns, below the chain's dots on the midline.
    const auto ticks = [&m] {
        std::map<int, InkRun> ink = inkByColumn(m.picture());
        std::erase_if(ink, [](const auto& column) { return column.second.top < 350; });
        return ink;
    };
    const std::map<int, InkRun> laid = ticks();
    ASSERT_EQ(laid.size(), 13U);
    m.resize(1000, 600, 1);
    EXPECT_EQ(ticks(), laid);
    m.click(Role::kClearDisplacements);
    EXPECT_TRUE(ticks().empty());
}

} // namespace
