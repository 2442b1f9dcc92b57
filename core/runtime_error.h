#pragma once

#include <cmath>
#include <string>
#include <string_view>

// Run-time errors of the program. It has no error handling of its own: a bad array index or a
// floating-point fault ends the process loudly, with the error's number and message.
// This part is free of Qt; the window layer installs a reporter that shows a message box.

enum class RunTimeErrorCode : int {
    InvalidCall = 5,         // invalid operation, e.g. a result that is not a number
    Overflow = 6,            // a result too large for its type
    SubscriptOutOfRange = 9, // an array index outside its bounds
    DivisionByZero = 11,
};

struct RunTimeError {
    RunTimeErrorCode code;
    std::string_view message; // in the language in use, as shown to the user
};

RunTimeError runTimeErrorFor(RunTimeErrorCode code);

// The reporter shows the error and ends the process. If it returns, the process is aborted.
using RunTimeErrorReporter = void (*)(const RunTimeError&);

// What a message box shows of an error: "Laufzeitfehler 'N':", a blank line, the message; in the
// language in use.
std::string runTimeErrorReport(const RunTimeError& error);
// Writes "Laufzeitfehler N: message" to standard error, the line every reporter leaves behind.
void writeRunTimeError(const RunTimeError& error);

// Installs a reporter and returns the previous one. The default writes to standard error and
// ends the process with the error's number as exit status.
RunTimeErrorReporter setRunTimeErrorReporter(RunTimeErrorReporter reporter);

[[noreturn]] void raiseRunTimeError(RunTimeErrorCode code);

// The floating-point status, kept by the program itself: WebAssembly has no status flags, and
// the desktop keeps the same rules so that both raise the same errors at the same pass. Every
// result that is stored as a float goes through toStored, every quotient of a divisor that may
// be zero through quotient; checkFloatStatus raises the error of a fault noted since the last
// clear.
namespace FloatStatus {
inline constexpr unsigned kInvalid = 1;
inline constexpr unsigned kOverflow = 2;
inline constexpr unsigned kDivisionByZero = 4;
// The faults noted since the last clear; the program runs on one thread.
inline unsigned raised = 0;
} // namespace FloatStatus

// A result stored as a float. A result that is not a number was an invalid operation (0/0,
// inf - inf, the sine of an infinity); a finite result too large for a float is an overflow.
inline float toStored(double value) {
    const auto stored = static_cast<float>(value);
    if (std::isnan(value)) {
        FloatStatus::raised |= FloatStatus::kInvalid;
    } else if (std::isinf(stored) && !std::isinf(value)) {
        FloatStatus::raised |= FloatStatus::kOverflow;
    }
    return stored;
}

// dividend / divisor, noting a finite dividend other than zero divided by zero.
inline double quotient(double dividend, double divisor) {
    if (divisor == 0.0 && dividend != 0.0 && std::isfinite(dividend)) {
        FloatStatus::raised |= FloatStatus::kDivisionByZero;
    }
    return dividend / divisor;
}

void clearFloatStatus();
void checkFloatStatus();
