#pragma once

#include <cstddef>

// Counts the calls of the global operator new on the calling thread. Linking
// counting_allocator.cpp into a program replaces every form of the global operator new and
// delete with ones that count and then use malloc and free.
class AllocationCounter {
public:
    AllocationCounter();
    AllocationCounter(const AllocationCounter&) = delete;
    AllocationCounter& operator=(const AllocationCounter&) = delete;

    // Allocations on this thread since construction or the last restart().
    std::size_t count() const;
    void restart();

private:
    std::size_t start_;
};
