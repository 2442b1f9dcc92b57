#pragma once

#include <QStringList>

// Chooses the program's language before its first window: the one `--language CODE` (or
// `--language=CODE`) among the program's arguments names, where the program has it; otherwise
// the first of the system's preferred UI languages it has (the desktop's setting, or the
// LANGUAGE variable), German where none is. A code the program does not have is named on
// standard error, in the language chosen, and changes nothing.
void chooseProgramLanguage(const QStringList& arguments);

// Makes the toolkit's own texts speak the program's language, like every caption of the
// program, whatever language the desktop is set to: the context menus of text fields and
// scroll bars, the buttons of the error box and of any standard dialog. They come from the
// translations installed with Qt (Debian package qt6-translations-l10n). Call it once, after the
// QApplication exists, the language is chosen and before the first window is shown. Where the
// translations are missing it warns and returns false, and those texts stay Qt's own.
bool installToolkitTexts();
