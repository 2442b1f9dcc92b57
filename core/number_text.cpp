#include "core/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

// Splits the decimal mantissa and exponent of the scientific form into digits and exponent. The
// C library's conversion is exact (the decimal nearest to the binary value) on every platform the
// program is built for; the browser's C++ library has no floating-point std::to_chars.
struct Decimal {
    bool negative = false;
    std::array<char, 24> digits{}; // significant digits without leading or trailing zeros
    int digitCount = 0;
    int exponent = 0; // value = 0.d1d2d3... * 10^(exponent)
};

Decimal decompose(double value, int significantDigits) {
    Decimal d;
    std::array<char, 48> buffer{};
    const int length =
        std::snprintf(buffer.data(), buffer.size(), "%.*e", significantDigits - 1, value);
    const char* end = buffer.data() + length;
    const char* p = buffer.data();
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    const char* e = static_cast<const char*>(std::memchr(p, 'e', end - p));
    for (const char* q = p; q < e; ++q) {
        // Digits only: the point between them is the one of whatever locale the program set.
        if (*q >= '0' && *q <= '9') {
            d.digits[d.digitCount++] = *q;
        }
    }
    int exp10 = 0;
    std::from_chars(e + 1 + (e[1] == '+' ? 1 : 0), end, exp10);
    while (d.digitCount > 1 && d.digits[d.digitCount - 1] == '0') {
        --d.digitCount;
    }
    d.exponent = exp10 + 1;
    return d;
}

} // namespace

std::size_t formatSignificant(double value, int significantDigits,
                              std::string_view decimalSeparator, char* out) {
    char* w = out;
    if (std::isnan(value)) {
        std::memcpy(w, "NaN", 3);
        return 3;
    }
    if (std::isinf(value)) {
        const char* text = value < 0 ? "-Inf" : "Inf";
        std::memcpy(w, text, std::strlen(text));
        return std::strlen(text);
    }
    if (value == 0.0) {
        *w = '0';
        return 1;
    }
    const Decimal d = decompose(value, significantDigits);
    if (d.negative) {
        *w++ = '-';
    }
    const int pointPosition = d.exponent; // digits before the decimal separator
    const auto putSeparator = [&] {
        std::memcpy(w, decimalSeparator.data(), decimalSeparator.size());
        w += decimalSeparator.size();
    };
    if (pointPosition > significantDigits || pointPosition < -3) {
        // Exponent form: d[,ddd]E+xx
        *w++ = d.digits[0];
        if (d.digitCount > 1) {
            putSeparator();
            std::memcpy(w, d.digits.data() + 1, d.digitCount - 1);
            w += d.digitCount - 1;
        }
        const int exp10 = pointPosition - 1;
        *w++ = 'E';
        *w++ = exp10 < 0 ? '-' : '+';
        const int magnitude = exp10 < 0 ? -exp10 : exp10;
        if (magnitude < 10) {
            *w++ = '0';
        }
        w = std::to_chars(w, w + 4, magnitude).ptr;
    } else if (pointPosition <= 0) {
        *w++ = '0';
        putSeparator();
        for (int i = 0; i < -pointPosition; ++i) {
            *w++ = '0';
        }
        std::memcpy(w, d.digits.data(), d.digitCount);
        w += d.digitCount;
    } else {
        for (int i = 0; i < pointPosition; ++i) {
            *w++ = i < d.digitCount ? d.digits[i] : '0';
        }
        if (d.digitCount > pointPosition) {
            putSeparator();
            std::memcpy(w, d.digits.data() + pointPosition, d.digitCount - pointPosition);
            w += d.digitCount - pointPosition;
        }
    }
    return static_cast<std::size_t>(w - out);
}
