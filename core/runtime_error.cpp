#include "runtime_error.h"

#include "language/language.h"

#include <cstdio>
#include <cstdlib>
#include <string>

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
        return {code, Language::translate("Ungültiger Prozeduraufruf oder ungültiges Argument")};
    case RunTimeErrorCode::Overflow:
        return {code, Language::translate("Überlauf")};
    case RunTimeErrorCode::SubscriptOutOfRange:
        return {code, Language::translate("Index außerhalb des gültigen Bereichs")};
    case RunTimeErrorCode::DivisionByZero:
        return {code, Language::translate("Division durch Null")};
    }
    return {code, Language::translate("Anwendungs- oder objektdefinierter Fehler")};
}

std::string runTimeErrorReport(const RunTimeError& error) {
    // The number in place of %d; the catalogue keeps it as a C format.
    const std::string_view form = Language::translate("Laufzeitfehler '%d':\n\n");
    const std::string number = std::to_string(static_cast<int>(error.code));
    std::string text(form);
    const auto at = text.find("%d");
    if (at != std::string::npos) {
        text.replace(at, 2, number);
    }
    return text + std::string(error.message);
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
    FloatStatus::raised = 0;
}

void checkFloatStatus() {
    const unsigned raised = FloatStatus::raised;
    if (raised == 0) {
        return;
    }
    // Cleared first: a reporter that returns to the program (the browser's page, a test) must
    // not find the same fault again at the next check.
    FloatStatus::raised = 0;
    if ((raised & FloatStatus::kDivisionByZero) != 0) {
        raiseRunTimeError(RunTimeErrorCode::DivisionByZero);
    }
    if ((raised & FloatStatus::kOverflow) != 0) {
        raiseRunTimeError(RunTimeErrorCode::Overflow);
    }
    raiseRunTimeError(RunTimeErrorCode::InvalidCall);
}
