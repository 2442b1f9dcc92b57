// The run loop as the program runs it, with the real paced yield: its passes, their handling of
// events and their sleep to the next display frame allocate nothing, not the physics, not the
// 196 dots a pass draws, not the pen-width changes, not the clock's count. Only the frame's
// hand-over to the screen, once per wake-up, may allocate.

#include "core/chain_state.h"
#include "platform/paced_yield.h"
#include "probes/counting_allocator.h"
#include "sim/chain_runner.h"
#include "sim/chain_view.h"

#include <QLineEdit>
#include <gtest/gtest.h>

#include <optional>

namespace {

constexpr int kPasses = 300;

TEST(RunPassAllocations, NoneButInTheFramesHandOver) {
    ChainState state;
    setStartValues(state);
    state.harmonicOn = 1;
    state.clockOn = 1;
    ChainView view;
    view.setBackgroundColour(qRgb(255, 255, 224));
    view.resize(1920, 700);
    QLineEdit readout;
    ASSERT_EQ(view.image().size(), QSize(1920, 700));

    PacedYield paced;
    std::optional<AllocationCounter> counter;
    std::size_t inFrames = 0;
    std::size_t outsideFrames = 0;
    int passes = 0;
    int frames = 0;
    const ChainRunner::ShowFrame* show = nullptr;
    const ChainRunner::ShowFrame counted = [&] {
        const std::size_t before = counter ? counter->count() : 0;
        (*show)();
        inFrames += counter ? counter->count() - before : 0;
        ++frames;
    };
    ChainRunner runner(state, view, readout, [&](const ChainRunner::ShowFrame& runnersShow) {
        show = &runnersShow;
        // The first four passes warm up (the frame timer starts at the first wait); half of the
        // passes run with refraction on, which draws with the wider pen.
        if (passes++ == 4) {
            counter.emplace();
            frames = 0;
        }
        state.refractionOn = static_cast<std::int16_t>(passes >= kPasses / 2);
        state.halted = static_cast<std::int16_t>(passes >= kPasses);
        paced(counted);
        outsideFrames = counter ? counter->count() - inFrames : 0;
    });
    runner.RunChain();
    ASSERT_TRUE(counter.has_value());
    EXPECT_EQ(outsideFrames, 0u);
    // The frames' clock texts: proof that the counter sees what Qt allocates.
    EXPECT_GT(inFrames, 0u);
    EXPECT_GT(frames, 0);
    EXPECT_LT(frames, passes);

    // The passes really drew: the left end's dot is black where the drive has put it, and the
    // clock shows the time counted.
    const QPoint end = view.toPixel(1, state.y[0]);
    EXPECT_EQ(view.image().pixel(end), qRgb(0, 0, 0));
    EXPECT_NE(state.y[0], 0.0f);
    EXPECT_EQ(readout.text(), QStringLiteral("  30"));
}

} // namespace
