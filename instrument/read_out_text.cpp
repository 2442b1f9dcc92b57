#include "instrument/read_out_text.h"

#include "core/number_text.h"

#include <array>

namespace {

std::string format(double value, int significantDigits, std::string_view separator) {
    std::array<char, kNumberTextCapacity> buffer{};
    const std::size_t length =
        formatSignificant(value, significantDigits, separator, buffer.data());
    return {buffer.data(), length};
}

} // namespace

namespace ReadOutText {

std::string ofSingle(float value, std::string_view decimalSeparator) {
    return format(value, kSingleDigits, decimalSeparator);
}

std::string ofDouble(double value, std::string_view decimalSeparator) {
    return format(value, kDoubleDigits, decimalSeparator);
}

} // namespace ReadOutText
