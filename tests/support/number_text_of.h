#pragma once

#include "core/number_text.h"

#include <array>
#include <string>

// A read-out's text as a string, for comparisons.
inline std::string numberTextOf(double value, int digits, std::string_view separator) {
    std::array<char, kNumberTextCapacity> buffer{};
    return {buffer.data(), formatSignificant(value, digits, separator, buffer.data())};
}
inline std::string singleToText(float value, std::string_view separator) {
    return numberTextOf(value, kSingleDigits, separator);
}
inline std::string doubleToText(double value, std::string_view separator) {
    return numberTextOf(value, kDoubleDigits, separator);
}
