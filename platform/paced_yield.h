#pragma once

#include <chrono>

// The run loop's yield: handles every pending user-interface event, then waits, still handling
// events, until the next pass's slot in a fixed schedule comes up. Without the wait the loop
// would pin a processor core and move the waves faster than anyone can follow. A machine
// slower than the schedule runs as fast as it can; after a stall (a dragged window, a modal
// box) the schedule starts afresh rather than racing to catch up.
class PacedYield {
public:
    static constexpr int kPassesPerSecond = 250;

    explicit PacedYield(int passesPerSecond = kPassesPerSecond);

    void operator()();

private:
    using Clock = std::chrono::steady_clock;

    Clock::duration period_;
    Clock::time_point nextSlot_{};
    bool scheduled_ = false;
};
