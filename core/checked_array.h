#pragma once

#include "core/runtime_error.h"

#include <array>
#include <cstddef>

// A fixed array whose every index is tested against its bounds: a bad index is a run-time
// error that ends the program, never undefined behaviour.
template <typename T, int First, int Last> class CheckedArray {
public:
    T& operator[](int index) { return values_[offset(index)]; }
    const T& operator[](int index) const { return values_[offset(index)]; }

private:
    static std::size_t offset(int index) {
        if (index < First || index > Last) {
            raiseRunTimeError(RunTimeErrorCode::SubscriptOutOfRange);
        }
        return static_cast<std::size_t>(index - First);
    }

    std::array<T, Last - First + 1> values_{};
};
