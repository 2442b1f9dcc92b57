#pragma once

#include <span>
#include <string>
#include <string_view>

// The program's languages. Its texts are written in German, in the sources, and German is the
// language it shows where nothing else is chosen; every other language is a catalogue (one
// gettext .po file each, beside this file) that the build turns into a table of the program's
// own. The language is chosen once, at the start, before the first text is shown.
namespace Language {

// The codes of the languages the program has, German first ("de", "en").
std::span<const std::string_view> codes();
// The language in use.
std::string_view current();
// Uses the language `code` names (one of codes()); false, and nothing changes, for any other.
bool use(std::string_view code);
// The first of the preferred languages, most preferred first, that the program has; German
// where none is. Each may be a tag as a browser or a system gives it ("en-GB", "en_US.UTF-8",
// "de-AT"): only its language counts.
std::string_view firstKnown(std::span<const std::string> preferred);

// The text in the language in use, for a text written in German in the sources; the German
// itself where the catalogue has none or German is in use. A text that reads the same in German
// in two places but not in another language is told apart by a context.
std::string_view translate(std::string_view german);
std::string_view translateIn(std::string_view context, std::string_view german);
// The read-outs' decimal separator: in German `germanSeparator` (both faces give the comma,
// whatever the system's locale), in any other language the one its catalogue gives.
std::string_view decimalSeparator(std::string_view germanSeparator);

} // namespace Language

// Marks a German text for the catalogues where it is translated later, when it is shown.
#define N_(german) german
