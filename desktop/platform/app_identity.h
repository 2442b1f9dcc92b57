#pragma once

#include <QString>

// The program's name, version and icon as the desktop sees them: application name and version,
// organisation, the desktop entry it belongs to (so that a Wayland compositor or a task bar can
// match the window to its menu entry) and the window icon of every window. Call it once, after
// the QApplication exists and before the first window is shown.
void installApplicationIdentity();

// The credit line that follows the blanks in the windows' captions.
QString creditLine();
