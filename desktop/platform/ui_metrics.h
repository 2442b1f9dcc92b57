#pragma once

#include <QFont>

class QWidget;

// Fixed units (see Twips) on the primary screen, and the program's fonts.
namespace UiMetrics {

// Twips to pixels at the primary screen's logical resolution (15 twips a pixel at 96 dpi).
int twipsToPixelsX(double twips);
int twipsToPixelsY(double twips);
// The primary screen's logical resolution, in dots an inch (96 where there is no screen).
double logicalDpiX();
double logicalDpiY();

// "MS Sans Serif" at the given size in points, regular; where that family is missing a narrow
// sans serif of similar metrics stands in for it.
QFont sansSerif(double pointSize);

// Registers the font the program carries, Liberation Sans, and makes it stand in for "MS Sans
// Serif", so that every text fits its control on any machine, one with only DejaVu fonts
// included. Call it once, after the QApplication exists and before the first window is built.
void installFontSubstitutes();

} // namespace UiMetrics
