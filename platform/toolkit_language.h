#pragma once

// Makes the toolkit's own texts German, like every caption of the program, whatever language
// the desktop is set to: the context menus of text fields and scroll bars, the buttons of the
// error box and of any standard dialog. They come from the translations installed with Qt
// (Debian package qt6-translations-l10n). Call it once, after the QApplication exists and
// before the first window is shown. Where the translations are missing it warns and returns
// false, and those texts stay English.
bool installGermanToolkitTexts();
