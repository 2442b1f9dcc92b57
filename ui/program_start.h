#pragma once

class Ondix15;

// The start of the program, the same for the shipped program and the measuring programs that
// run it: what the application needs before the first window (its identity, its fonts, the
// run-time error box, the language and the toolkit's texts in it), and the main window's load
// handler run from inside the application's event loop.
void prepareApplication();

// Returns when the program ends through its event loop, with the loop's status.
int runProgram(Ondix15& window);
