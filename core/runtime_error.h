#pragma once

#include <string_view>

// Run-time errors of the program. It has no error handling of its own: a bad array index or a
// floating-point fault ends the process loudly, with the error's number and German message.
// This part is free of Qt; the window layer installs a reporter that shows a message box.

enum class RunTimeErrorCode : int {
    InvalidCall = 5,         // invalid operation, e.g. a result that is not a number
    Overflow = 6,            // a result too large for its type
    SubscriptOutOfRange = 9, // an array index outside its bounds
    DivisionByZero = 11,
};

struct RunTimeError {
    RunTimeErrorCode code;
    std::string_view message; // German, as shown to the user
};

RunTimeError runTimeErrorFor(RunTimeErrorCode code);

// The reporter shows the error and ends the process. If it returns, the process is aborted.
using RunTimeErrorReporter = void (*)(const RunTimeError&);

// Writes "Laufzeitfehler N: message" to standard error, the line every reporter leaves behind.
void writeRunTimeError(const RunTimeError& error);

// Installs a reporter and returns the previous one. The default writes to standard error and
// ends the process with the error's number as exit status.
RunTimeErrorReporter setRunTimeErrorReporter(RunTimeErrorReporter reporter);

[[noreturn]] void raiseRunTimeError(RunTimeErrorCode code);

// Floating-point status since the last clear: a stored result that overflowed, divided by zero or
// was invalid raises the matching run-time error.
void clearFloatStatus();
void checkFloatStatus();
