#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class Instrument;
class Setup;

// How both editions start the wave machine, in one order: the language chosen before the first
// text is made; the instrument made, its starting setup held to its ranges and the notes on it
// shown; the picture sized; the instrument started and the setup applied after it, as a
// student's clicks would apply it. From then on the front end has the passes due run at each
// display frame (Instrument::runDue).
class StartSequence {
public:
    // The language in use from now on: `asked` where the program has it (the desktop's
    // --language), otherwise the setup's own, otherwise the first of `preferred` (most preferred
    // first) that the program has, German where none is. Returns a line on a language asked for
    // that the program does not have, in the language chosen; empty otherwise.
    static std::string chooseLanguage(std::optional<std::string_view> asked, const Setup& setup,
                                      std::span<const std::string> preferred);

    // Before the start: the setup held to the instrument's ranges; what of it is ignored, the
    // heading first and a line each, for the front end to show; empty where all of it applies.
    static std::vector<std::string> prepare(Setup& setup, const Instrument& instrument);

    // The instrument started and the setup applied.
    static void start(Instrument& instrument, Setup& setup);
};
