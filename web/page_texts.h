#pragma once

#include "core/runtime_error.h"
#include "language/language.h"

#include <string>
#include <string_view>

// What the page says in its own words, and the texts it composes from the instrument's.
namespace PageTexts {

// Each text in German, the language of the sources; shown through Language::translate.
// After "Ende": a page cannot close itself; its message offers to start again, with its
// button or the Escape key.
inline constexpr std::string_view kEnd = N_("Die Wellenmaschine ist beendet.\n\nMit „Neu starten“ "
                                            "oder der Esc-Taste beginnt sie von vorn.");
inline constexpr std::string_view kStartAgain = N_("Neu starten");
// Above the browser's own words, when the module failed in a way the program does not report.
inline constexpr std::string_view kFailure =
    N_("Das Programm wurde wegen eines Fehlers angehalten.");
// The information window's close button, for a screen reader.
inline constexpr std::string_view kClose = N_("Schließen");
// The message box's button, where the message names no other.
inline constexpr std::string_view kOk = N_("OK");

// The teacher's link, beneath the panels: its button, and what the page says once the link is in
// the address, copied or (where the browser refuses) selected in a box beside it for copying.
inline constexpr std::string_view kSetupLink = N_("Link zu dieser Einstellung");
inline constexpr std::string_view kLinkCopied =
    N_("Der Link steht in der Adresszeile und ist kopiert.");
inline constexpr std::string_view kLinkToCopy =
    N_("Der Link steht in der Adresszeile und hier zum Kopieren markiert.");
// The page's title, as the browser's tab and a screen reader name the page: what the program is,
// in the language in use, with the version, set once the language is chosen. (The window's
// caption says only "Zarvel" and the credit line, which tells a tab nothing.)
inline constexpr std::string_view kTitle = N_("Zarvel – Wellenmaschine · Ondix-Lehrmittel");
std::string pageTitle();
// The chain view's accessible name while it has the focus and the tape is laid: the view's
// name, then the tape's with its reading, so that a screen reader speaks each new reading.
std::string viewNameWithReading(std::string_view reading);

} // namespace PageTexts
