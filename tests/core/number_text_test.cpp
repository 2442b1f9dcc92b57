// Read-out text of numbers: shortest decimal form with at most 7 significant digits for a
// 32-bit float and 15 for a double, the given decimal separator, no grouping, no trailing zeros,
// whole numbers without a separator, and an exponent for very small or large magnitudes.

#include "support/number_text_of.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

enum class Width { Single, Double };

struct NumberTextCase {
    const char* name;
    Width width;
    double value; // for Width::Single, rounded to float before formatting
    const char* separator;
    const char* expected;
};

std::string format(const NumberTextCase& c) {
    return c.width == Width::Single ? singleToText(static_cast<float>(c.value), c.separator)
                                    : doubleToText(c.value, c.separator);
}

class NumberText : public ::testing::TestWithParam<NumberTextCase> {};

TEST_P(NumberText, Formats) {
    const NumberTextCase& c = GetParam();
    EXPECT_EQ(format(c), c.expected);
}

constexpr Width S = Width::Single;
constexpr Width D = Width::Double;

const NumberTextCase kCases[] = {
    // Whole numbers show without a separator.
    {"SingleOne", S, 1, ",", "1"},
    {"SinglePeriod25", S, 25, ",", "25"},
    {"SingleZero", S, 0, ",", "0"},
    {"SingleNegativeZero", S, -0.0, ",", "0"},
    {"DoubleNegativeZero", D, -0.0, ",", "0"},
    {"SingleMillionsAllDigits", S, 1234567, ",", "1234567"},
    {"DoubleFifteenDigitWhole", D, 123456789012345.0, ",", "123456789012345"},
    // Fractions: no trailing zeros, the float's binary error hidden by the 7 digits.
    {"SingleTwoAndAHalf", S, 2.5, ",", "2,5"},
    {"SingleThreeTenths", S, 0.3, ",", "0,3"},
    {"SingleTwelvePointFour", S, 12.4, ",", "12,4"},
    {"SingleNegative", S, -2.35, ",", "-2,35"},
    {"SingleDriveStart", S, -0.0251300968, ",", "-0,0251301"},
    {"SingleThird", S, 1.0 / 3.0, ",", "0,3333333"},
    {"SingleTwoThirdsRounded", S, 2.0 / 3.0, ",", "0,6666667"},
    {"SingleCarriesIntoWholeNumber", S, 1.9999999, ",", "2"},
    {"DoubleTenth", D, 0.1, ",", "0,1"},
    {"DoubleNegative", D, -2.35, ",", "-2,35"},
    {"DoubleThird", D, 1.0 / 3.0, ",", "0,333333333333333"},
    {"DoubleTwoThirdsRounded", D, 2.0 / 3.0, ",", "0,666666666666667"},
    {"DoubleSingleTenthShowsItsError", D, double(0.1f), ",", "0,100000001490116"},
    {"DoubleClockAtThree", D, 3.0, ",", "3"},
    {"DoubleClockHundredths", D, 2.99, ",", "2,99"},
    // Down to 1/10000 in plain form, below that with an exponent of at least two digits.
    {"DoubleTenThousandth", D, 0.0001, ",", "0,0001"},
    {"DoubleCarriesIntoTenThousandth", D, 9.999999999999999e-5, ",", "0,0001"},
    {"DoubleHundredThousandth", D, 1e-5, ",", "1E-05"},
    {"SingleHundredThousandth", S, 1e-5, ",", "1E-05"},
    {"DoubleSmallWithDigits", D, -1.234e-5, ",", "-1,234E-05"},
    {"DoubleTiny", D, 1.5e-300, ",", "1,5E-300"},
    // Up to the number of significant digits in plain form, above that with an exponent.
    {"SingleTenMillion", S, 1e7, ",", "1E+07"},
    {"SingleEightDigitsRounded", S, 12345678, ",", "1,234568E+07"},
    {"DoubleTenToFifteen", D, 1e15, ",", "1E+15"},
    {"DoubleTenToSixteen", D, 1e16, ",", "1E+16"},
    {"DoubleHuge", D, 1e300, ",", "1E+300"},
    {"DoubleLongestText", D, -1.23456789012345e-300, ",", "-1,23456789012345E-300"},
    // Any separator, also one of several bytes.
    {"PointSeparator", D, 2.5, ".", "2.5"},
    {"ArabicSeparator", S, 2.5, "\xd9\xab",
     "2\xd9\xab"
     "5"},
    {"ArabicSeparatorInExponent", D, -1.25e-7, "\xd9\xab",
     "-1\xd9\xab"
     "25E-07"},
    {"ArabicSeparatorSmall", D, 0.0025, "\xd9\xab",
     "0\xd9\xab"
     "0025"},
};

INSTANTIATE_TEST_SUITE_P(Table, NumberText, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<NumberTextCase>& info) {
                             return info.param.name;
                         });

} // namespace
