#pragma once

#include <QString>

#include <optional>

class Setup;

// Chooses the program's language before its first window, as every edition does (see
// StartSequence::chooseLanguage): `asked` (the command line's), the one `setup` names, the
// system's preferred UI languages (the LANGUAGE variable, then the desktop's setting), German.
// An asked code the program does not have is named on standard error, in the language chosen,
// and changes nothing.
void chooseProgramLanguage(const std::optional<QString>& asked, const Setup& setup);

// Makes the toolkit's own texts speak the program's language, like every caption of the
// program, whatever language the desktop is set to: the context menus of text fields and
// scroll bars, the buttons of the error box and of any standard dialog. They come from the
// translations installed with Qt (Debian package qt6-translations-l10n). Call it once, after the
// QApplication exists, the language is chosen and before the first window is shown. Where the
// translations are missing it warns and returns false, and those texts stay Qt's own.
bool installToolkitTexts();
