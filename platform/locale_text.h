#pragma once

#include <string>

// The user's decimal separator, which the read-outs' number text takes (see ReadOutText).
std::string localeDecimalSeparator();
