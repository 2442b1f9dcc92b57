#pragma once

#include "instrument/setup.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <string_view>
#include <utility>
#include <vector>

class Ondix15;

// What the command line asks for: a starting setup with --setup "traeger=pendel&periode=22"
// (see Setup; an empty one without), a language with --language de|en, the usage with --help
// or -h, the name and version with --version. An option given again counts with its last value,
// and a language of the setup's own that --language overrides is dropped; each with a note among
// the setup's. Any other argument, and an option without its value, is refused.
struct StartArguments {
    enum class Answer { Start, Usage, Version, Refused };
    Answer answer = Answer::Start;
    Setup setup;
    std::optional<QString> language;
    // Each refused argument, with its note's German form (%1 for the argument).
    std::vector<std::pair<std::string_view, QString>> refused;
};
StartArguments readStartArguments(const QStringList& arguments);

// The start of the program, the same for the shipped program and the measuring programs that
// run it: what the application needs before the first window (the language, as `start` and the
// system choose it, and the toolkit's texts in it, its identity, its fonts, the run-time error
// box), and the main window's load handler run from inside the application's event loop.
void prepareApplication(const StartArguments& start = {});

// The command line's answer without a window, in the language prepareApplication chose: the
// usage or the name and version on standard output, with status 0; each refused argument and
// the usage on standard error, with status 2. None where the program starts.
std::optional<int> answerCommandLine(const StartArguments& start);

// The command line read from `argv` before any application exists, and answered where it asks
// for no window (see answerCommandLine), with only a core application for the language: so it
// is answered without a display. None where the program starts.
std::optional<int> answerWithoutWindow(int& argc, char** argv);

// Returns when the program ends through its event loop, with the loop's status.
int runProgram(Ondix15& window);

// The program as its command line in the application asks for it; returns its exit status.
int startProgram();
