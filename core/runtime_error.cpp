#include "runtime_error.h"

#include <cfenv>
#include <cstdio>
#include <cstdlib>

namespace {

void reportToStandardError(const RunTimeError& error) {
    writeRunTimeError(error);
    std::_Exit(static_cast<int>(error.code));
}

RunTimeErrorReporter currentReporter = &reportToStandardError;

} // namespace

RunTimeError runTimeErrorFor(RunTimeErrorCode code) {
    switch (code) {
    case RunTimeErrorCode::InvalidCall:
        return {code, "Ungültiger Prozeduraufruf oder ungültiges Argument"};
    case RunTimeErrorCode::Overflow:
        return {code, "Überlauf"};
    case RunTimeErrorCode::SubscriptOutOfRange:
        return {code, "Index außerhalb des gültigen Bereichs"};
    case RunTimeErrorCode::DivisionByZero:
        return {code, "Division durch Null"};
    }
    return {code, "Anwendungs- oder objektdefinierter Fehler"};
}

void writeRunTimeError(const RunTimeError& error) {
    std::fprintf(stderr, "Laufzeitfehler %d: %.*s\n", static_cast<int>(error.code),
                 static_cast<int>(error.message.size()), error.message.data());
    std::fflush(stderr);
}

RunTimeErrorReporter setRunTimeErrorReporter(RunTimeErrorReporter reporter) {
    RunTimeErrorReporter previous = currentReporter;
    currentReporter = reporter != nullptr ? reporter : &reportToStandardError;
    return previous;
}

void raiseRunTimeError(RunTimeErrorCode code) {
    currentReporter(runTimeErrorFor(code));
    std::abort();
}

void clearFloatStatus() {
    std::feclearexcept(FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID);
}

void checkFloatStatus() {
    const int raised = std::fetestexcept(FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID);
    if (raised == 0) {
        return;
    }
    if ((raised & FE_DIVBYZERO) != 0) {
        raiseRunTimeError(RunTimeErrorCode::DivisionByZero);
    }
    if ((raised & FE_OVERFLOW) != 0) {
        raiseRunTimeError(RunTimeErrorCode::Overflow);
    }
    raiseRunTimeError(RunTimeErrorCode::InvalidCall);
}
