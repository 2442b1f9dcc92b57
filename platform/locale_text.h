#pragma once

#include <QString>

// Read-out text of a number with the user's decimal separator (see number_text.h).
QString singleText(float value);
QString doubleText(double value);
