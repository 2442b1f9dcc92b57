#pragma once

#include <string>
#include <string_view>

// Read-out text of a number with the given decimal separator (see number_text.h): a front end
// passes its locale's.
namespace ReadOutText {

std::string ofSingle(float value, std::string_view decimalSeparator);
std::string ofDouble(double value, std::string_view decimalSeparator);

} // namespace ReadOutText
