#pragma once

#include <cstddef>
#include <string_view>

// Read-outs show numbers in their shortest decimal form: at most 7 significant digits for a
// 32-bit float and 15 for a double, the locale's decimal separator, no digit grouping, no
// trailing zeros, and whole numbers without a separator (1, 25, 2,5 under German settings).
// Very small or large magnitudes use an exponent, as in 1E-05 or 1E+16.

inline constexpr int kSingleDigits = 7;
inline constexpr int kDoubleDigits = 15;

// Writes into a caller's buffer without allocating; returns the length written. The buffer
// must hold at least kNumberTextCapacity characters.
inline constexpr std::size_t kNumberTextCapacity = 40;
std::size_t formatSignificant(double value, int significantDigits,
                              std::string_view decimalSeparator, char* out);
