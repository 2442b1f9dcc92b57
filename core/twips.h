#pragma once

#include <cmath>

// The fixed unit the form and the information pages are measured in: 1/1440 inch ("twips").
// Every face turns it into its pixels with these.
namespace Twips {

inline constexpr double kPerInch = 1440;

// `twips` as whole pixels at `dotsPerInch` (15 twips a pixel at 96 dots an inch).
inline int toPixels(double twips, double dotsPerInch) {
    return static_cast<int>(std::lround(twips * dotsPerInch / kPerInch));
}

} // namespace Twips
