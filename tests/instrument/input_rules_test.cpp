// The rules of the keys and the fingers on the chain view, without a window: the roads the
// teacher's guide (docs/teachers-guide.md) names that the window's test of keys and fingers
// (holding, repeats, focus loss, the tape, a drag, a second finger, the hold) does not take, read
// from the chain state and the panels' state the hand and the tape leave behind.

#include "core/chain_state.h"
#include "instrument/chain_keys.h"
#include "instrument/chain_touch.h"
#include "instrument/hand_and_tape.h"
#include "instrument/input_codes.h"
#include "instrument/panels.h"
#include "instrument/tape_marks.h"
#include "picture/chain_picture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

using Key = ChainKeys::Key;
using State = ChainTouch::Point::State;
constexpr int kShift = InputCodes::kShift;

// A view of 10 pixels per unit across and 100 up, as the touch events see it.
struct Rig {
    Rig() {
        setStartValues(state);
        picture.resize(1000, 600, 1);
    }
    ChainState state;
    ChainPicture picture;
    Panels panels;
    TapeMarks tapes{picture};
    HandAndTape hand{state, tapes, panels};
    ChainKeys keys{state, hand, panels};
    ChainTouch fingers{hand};

    void press(Key key, int times = 1, int shift = 0) {
        for (int i = 0; i < times; ++i) {
            keys.keyPress(key, shift);
        }
    }
    void finger(ChainTouch::Type type, State state, double x, double y, std::uint64_t ms) {
        const ChainTouch::Point points[]{{0, state, x, y}};
        fingers.touch(type, points, ms, {1000, 600, 10});
    }
    // What a student sees and what the next pass takes from the handlers, exactly.
    std::string outcome() const {
        const Panels::State& pointer = panels[Role::kKeyboardPointer];
        char text[200];
        std::snprintf(
            text, sizeof text, "y0 %.9g origin %.9g,%.9g end %d tape %d \"%s\" pointer %d %.9g",
            double(state.y[0]), double(hand.origin().x), double(hand.origin().y),
            panels[Role::kFixedEndLabel].visible, panels[Role::kTapeReadout].visible,
            panels.caption(Role::kTapeReadout).c_str(), pointer.visible, double(pointer.x));
        return text;
    }
};

TEST(ChainKeys, TheEndStopsAtBothLimitsOfTheViewAndGoesNoFurtherFromBeyond) {
    Rig r;
    r.press(Key::Down, 8, kShift);
    EXPECT_EQ(r.state.y[0], 3.0f);
    r.press(Key::Up, 13, kShift);
    EXPECT_EQ(r.state.y[0], -3.0f);
    r.state.y[0] = -3.26f; // put there by the mouse: onto the grid, and no further out
    r.press(Key::Up, 2);
    EXPECT_EQ(r.state.y[0], -3.3f);
}

TEST(ChainKeys, ThePointerLaysTheTapeAndTheNextStartsWhereItEnded) {
    Rig r;
    r.press(Key::M);
    r.press(Key::Left, 20); // no further than the left edge
    r.press(Key::Escape);   // the pointer put away, no tape
    EXPECT_EQ(r.outcome(), "y0 0 origin 0,0 end 1 tape 0 \"Text1\" pointer 0 0");
    r.press(Key::M);
    r.press(Key::Right, 3, kShift);
    r.press(Key::Enter);
    r.press(Key::Right, 12);
    r.press(Key::Right, 4, kShift);
    EXPECT_EQ(r.outcome(), "y0 0 origin 0.300000012,0 end 1 tape 1 \"12,4\" pointer 1 12.7000008");
    r.press(Key::Escape);
    r.press(Key::M);
    EXPECT_EQ(r.panels[Role::kKeyboardPointer].x, 12.7f);
    r.press(Key::Right, 100); // no further than the right edge
    EXPECT_EQ(r.panels[Role::kKeyboardPointer].x, 100.0f);
    r.press(Key::Left, 3); // a tape from 97 unrolls no further than either edge
    r.press(Key::Enter);
    r.press(Key::Right, 5);
    EXPECT_EQ(r.panels.caption(Role::kTapeReadout), "3");
    r.press(Key::Left, 200);
    EXPECT_EQ(r.panels.caption(Role::kTapeReadout), "-97");
}

TEST(ChainTouch, ATapIsAClickACancelLetsGoAndTheHoldTimeCountsInFull) {
    using enum ChainTouch::Type;
    Rig r;
    r.finger(Begin, State::Pressed, 100, 300, 0); // a tap: a click of the left button
    r.finger(End, State::Released, 100, 300, 80);
    EXPECT_EQ(r.outcome(), "y0 0 origin 10,0 end 1 tape 0 \"Text1\" pointer 0 0");

    r.finger(Begin, State::Pressed, 10, 300, 1000); // moved before the hold time: the hand
    r.finger(Update, State::Moved, 10, 100, 1499);
    EXPECT_EQ(r.outcome(), "y0 -2 origin 1,0 end 0 tape 0 \"Text1\" pointer 0 0");
    r.finger(Cancel, State::Stationary, 10, 100, 1700);
    EXPECT_TRUE(r.panels[Role::kFixedEndLabel].visible);

    r.finger(Begin, State::Pressed, 100, 400, 2000); // held still, then moved: the tape
    r.finger(Update, State::Moved, 106, 404, 2100);  // still: within the drag distance
    r.finger(Update, State::Moved, 225, 400, 2500);
    EXPECT_EQ(r.outcome(), "y0 -2 origin 10,1 end 1 tape 1 \"12,5\" pointer 0 0");
}

} // namespace
