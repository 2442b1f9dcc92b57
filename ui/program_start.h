#pragma once

#include "instrument/setup.h"

#include <QString>
#include <QStringList>

#include <optional>

class Ondix15;

// What the command line asks for: a starting setup with --setup "traeger=pendel&periode=22"
// (see Setup; an empty one without) and a language with --language de|en. A command line the
// program cannot read is named on stderr and otherwise ignored.
struct StartArguments {
    Setup setup;
    std::optional<QString> language;
};
StartArguments readStartArguments(const QStringList& arguments);

// The start of the program, the same for the shipped program and the measuring programs that
// run it: what the application needs before the first window (the language, as `start` and the
// system choose it, and the toolkit's texts in it, its identity, its fonts, the run-time error
// box), and the main window's load handler run from inside the application's event loop.
void prepareApplication(const StartArguments& start = {});

// Returns when the program ends through its event loop, with the loop's status.
int runProgram(Ondix15& window);
