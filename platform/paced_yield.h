#pragma once

#include "core/chain_constants.h"

#include <chrono>
#include <functional>
#include <memory>

class FrameTimer;

// The run loop's yield, called after every pass. It sleeps to the display frame: at each
// wake-up of a timer at the screen's refresh rate, the passes due at that moment in a fixed
// schedule of 250 a second run, each followed by a handling of the pending events that does not
// wait. After the last pass due, the frame goes to the screen and the loop sleeps until the
// next wake-up, still handling events. So a move of the hand handled at any point of a wake-up
// is drawn and on the screen by its end.
//
// A machine slower than the schedule runs as fast as it can, one frame per wake-up; a short lag
// is caught up; after a stall (a dragged window, a modal box) the schedule starts afresh rather
// than racing to catch up.
class PacedYield {
public:
    using Clock = std::chrono::steady_clock;
    using ShowFrame = std::function<void()>;
    // Reads the time; sleeps until the next frame, handling events; handles pending events
    // without waiting.
    using Now = std::function<Clock::time_point()>;
    using AwaitFrame = std::function<void()>;
    using HandleEvents = std::function<void()>;

    static constexpr int kPassesPerSecond = Chain::kPassesPerSecond;

    // On the steady clock, waking at the primary screen's refresh rate.
    PacedYield();
    // The same schedule on another clock and frame, for a test that controls the time.
    PacedYield(int passesPerSecond, Now now, AwaitFrame awaitFrame, HandleEvents handleEvents);

    // After a pass. `showFrame` brings what the passes drew to the screen.
    void operator()(const ShowFrame& showFrame);

private:
    Clock::duration period_;
    Now now_;
    AwaitFrame awaitFrame_;
    HandleEvents handleEvents_;
    std::shared_ptr<FrameTimer> frames_;
    Clock::time_point wakeUp_{};
    Clock::time_point nextSlot_{};
    bool scheduled_ = false;
};
