// "Schritt" and "Momentbild" through the instrument's front door, paced from outside as the page
// runs it: a step is exactly the passes of one time unit of running, bit for bit; a snapshot
// stays behind the moving dots and never touches the chain state.

#include "instrument/instrument.h"
#include "support/chain_hashes.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using Key = ChainKeys::Key;
constexpr ChainPicture::Pixel kSnapshotPixel = ChainPicture::pixelOf(Chain::kSnapshotColour);

// Started at the design size of the view, the drive and the clock on, the speed bar at `speed`
// hundredths, run `passes` passes (and halted if asked).
struct Machine {
    explicit Machine(int speed, int passes = 37, bool halt = true) {
        m.resize(1276, 653, 1);
        m.start();
        m.click(Role::kDriveSwitch);
        m.click(Role::kClockSwitch);
        m.scroll(Role::kSpeedBar, speed);
        m.runPasses(passes);
        if (halt) {
            m.click(Role::kHaltButton);
            m.runPasses(1);
        }
    }
    bool sameState(const Machine& other) const {
        return std::memcmp(&m.state(), &other.m.state(), sizeof(ChainState)) == 0;
    }
    int snapshotPixels() const {
        const ChainPicture& p = m.picture();
        return int(std::count(p.pixels(), p.pixels() + p.width() * p.height(), kSnapshotPixel));
    }
    // The picture drawn as it is after the passes equals the view drawn anew from scratch.
    bool pictureAsRedrawn() {
        const ChainPicture& p = m.picture();
        const std::vector<ChainPicture::Pixel> drawn(p.pixels(),
                                                     p.pixels() + p.width() * p.height());
        m.resize(p.width(), p.height(), p.scale());
        return std::equal(drawn.begin(), drawn.end(), p.pixels());
    }
    Instrument m{","};
};

TEST(Step, PressesRunTheTimeUnitsOfRunningBitForBit) {
    // 100 / v passes a step: whole at 10, 20 passes a step at 5, a carry at 3 (33, 33, 34) and 7.
    for (const int speed : {10, 5, 3, 7}) {
        SCOPED_TRACE(speed);
        constexpr int kSteps = 3;
        Machine stepped(speed);
        Machine keyed(speed);
        Machine run(speed);
        const Machine before(speed);
        for (int i = 0; i < kSteps; ++i) {
            stepped.m.click(Role::kStepButton);
            EXPECT_TRUE(keyed.m.keyPress(Key::S, 0));
        }
        run.m.click(Role::kHaltButton);
        EXPECT_EQ(run.m.runPasses(100 * kSteps / speed), 100 * kSteps / speed);
        run.m.click(Role::kHaltButton);
        EXPECT_FALSE(stepped.sameState(before));
        EXPECT_TRUE(stepped.sameState(run));
        EXPECT_TRUE(keyed.sameState(run));
        EXPECT_EQ(chainPictureHash(stepped.m.picture()), chainPictureHash(run.m.picture()));
        EXPECT_EQ(stepped.m.panels().caption(Role::kClockReadout),
                  run.m.panels().caption(Role::kClockReadout));
        EXPECT_FALSE(stepped.m.running());
        EXPECT_EQ(stepped.m.state().halted, 1);
    }
}

TEST(Step, DisabledWhileTheRunGoes) {
    Machine going(10, 37, false);
    const Machine same(10, 37, false);
    EXPECT_FALSE(going.m.panels()[Role::kStepButton].enabled);
    going.m.click(Role::kStepButton);
    EXPECT_FALSE(going.m.keyPress(Key::S, 0));
    EXPECT_TRUE(going.sameState(same));
    going.m.click(Role::kHaltButton);
    EXPECT_TRUE(going.m.panels()[Role::kStepButton].enabled);
    going.m.click(Role::kHaltButton);
    EXPECT_FALSE(going.m.panels()[Role::kStepButton].enabled);
}

TEST(Snapshot, StaysBehindTheMovingChainUntilPressedAgain) {
    Machine shot(10, 123, false);
    Machine plain(10, 123, false);
    shot.m.click(Role::kSnapshotButton);
    EXPECT_EQ(shot.m.panels().caption(Role::kSnapshotTime), "Momentbild bei Uhr 12,3");
    // A stopped clock's reading tells nothing of the moment: the label names only the snapshot.
    Machine stopped(10, 123, false);
    stopped.m.click(Role::kClockSwitch);
    stopped.m.click(Role::kSnapshotButton);
    EXPECT_EQ(stopped.m.panels().caption(Role::kSnapshotTime), "Momentbild");
    EXPECT_TRUE(shot.m.panels()[Role::kSnapshotTime].visible);
    EXPECT_TRUE(shot.m.panels()[Role::kSnapshotButton].checked);
    shot.m.runPasses(40);
    const int shown = shot.snapshotPixels();
    EXPECT_GT(shown, 200);
    // Every pixel of it where it was, uncovered as the dots moved on, as a full redraw has it.
    EXPECT_TRUE(shot.pictureAsRedrawn());
    shot.m.runPasses(60);
    EXPECT_TRUE(shot.pictureAsRedrawn());
    // "Löschen" leaves it; the second press clears it.
    shot.m.click(Role::kClearAll);
    EXPECT_GT(shot.snapshotPixels(), 200);
    shot.m.click(Role::kSnapshotButton);
    EXPECT_EQ(shot.snapshotPixels(), 0);
    EXPECT_FALSE(shot.m.panels()[Role::kSnapshotTime].visible);
    EXPECT_FALSE(shot.m.panels()[Role::kSnapshotButton].checked);
    // The passes never saw it.
    plain.m.runPasses(100);
    plain.m.click(Role::kClearAll);
    shot.m.runPasses(30);
    plain.m.runPasses(30);
    EXPECT_TRUE(shot.sameState(plain));
    EXPECT_EQ(chainPictureHash(shot.m.picture()), chainPictureHash(plain.m.picture()));
}

} // namespace
