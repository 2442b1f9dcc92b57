#pragma once

#include <chrono>
#include <functional>

// The run loop's yield: handles every pending user-interface event, then waits, still handling
// events, until the next pass's slot in a fixed schedule comes up. Without the wait the loop
// would pin a processor core and move the waves faster than anyone can follow. A machine
// slower than the schedule runs as fast as it can; after a stall (a dragged window, a modal
// box) the schedule starts afresh rather than racing to catch up.
class PacedYield {
public:
    using Clock = std::chrono::steady_clock;
    // Reads the time, and waits the given time while handling events.
    using Now = std::function<Clock::time_point()>;
    using Wait = std::function<void(std::chrono::milliseconds)>;

    static constexpr int kPassesPerSecond = 250;

    explicit PacedYield(int passesPerSecond = kPassesPerSecond);
    // The same schedule on another clock, for a test that controls the time.
    PacedYield(int passesPerSecond, Now now, Wait wait);

    void operator()();

private:
    Clock::duration period_;
    Now now_;
    Wait wait_;
    Clock::time_point nextSlot_{};
    bool scheduled_ = false;
};
