#pragma once

#include <QFont>

class QWidget;

// Fixed units of 1/1440 inch ("twips") and the program's fonts.
namespace UiMetrics {

inline constexpr double kTwipsPerInch = 1440.0;

// Twips to pixels at the primary screen's logical resolution (15 twips a pixel at 96 dpi).
int twipsToPixelsX(double twips);
int twipsToPixelsY(double twips);
// At a given resolution, for a screen other than the primary one.
int twipsToPixels(double twips, double dotsPerInch);

// "MS Sans Serif" at the given size in points, regular; where that family is missing a narrow
// sans serif of similar metrics stands in for it.
QFont sansSerif(double pointSize);
void installFontSubstitutes();

} // namespace UiMetrics
