#include "instrument/start_sequence.h"

#include "instrument/instrument.h"
#include "instrument/setup.h"
#include "language/language.h"

std::string StartSequence::chooseLanguage(std::optional<std::string_view> asked, const Setup& setup,
                                          std::span<const std::string> preferred) {
    const bool known = asked && Language::use(*asked);
    if (!known && !(setup.language() && Language::use(*setup.language()))) {
        // A code the setup names that the program does not have is the setup's to note.
        Language::use(Language::firstKnown(preferred));
    }
    if (!asked || known) {
        return {};
    }
    std::string codes;
    for (const std::string_view code : Language::codes()) {
        codes.append(codes.empty() ? "" : ", ").append(code);
    }
    std::string line(Language::translate("Unbekannte Sprache „%s“; bekannt sind: %s\n"));
    // The code as given may hold "%s" itself.
    const std::size_t first = line.find("%s");
    line.replace(first, 2, *asked);
    line.replace(line.find("%s", first + asked->size()), 2, codes);
    return line;
}

std::vector<std::string> StartSequence::prepare(Setup& setup, const Instrument& instrument) {
    setup.fitTo(instrument);
    std::vector<std::string> notes = setup.notes();
    if (!notes.empty()) {
        notes.insert(notes.begin(), std::string(Setup::notesHeading()));
    }
    return notes;
}

void StartSequence::start(Instrument& instrument, Setup& setup) {
    instrument.start();
    instrument.applyStartSetup(setup);
}
