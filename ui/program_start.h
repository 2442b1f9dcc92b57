#pragma once

#include "instrument/setup.h"

class Ondix15;
#include <QStringList>

// The start of the program, the same for the shipped program and the measuring programs that
// run it: what the application needs before the first window (its identity, its fonts, the
// run-time error box, the toolkit's texts in German), and the main window's load handler run from
// inside the application's event loop.
void prepareApplication();

// The setup the command line gives with --setup "traeger=pendel&periode=22" (see Setup); an
// empty one without. A command line the program cannot read is named on stderr and otherwise
// ignored.
Setup startSetup(const QStringList& arguments);

// Returns when the program ends through its event loop, with the loop's status.
int runProgram(Ondix15& window);
