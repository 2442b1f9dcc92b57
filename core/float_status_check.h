#pragma once

#include "core/runtime_error.h"

#include <exception>

// The floating-point status around the stored results of a handler or a pass: cleared when the
// check is made, tested when it goes out of scope, so that an overflow, a division by zero or an
// invalid result in between raises its run-time error. A reporter that throws (as in the tests)
// unwinds through it without a second report.
class FloatStatusCheck {
public:
    FloatStatusCheck() { clearFloatStatus(); }
    ~FloatStatusCheck() noexcept(false) {
        if (std::uncaught_exceptions() == exceptionsAtStart_) {
            checkFloatStatus();
        }
    }

    FloatStatusCheck(const FloatStatusCheck&) = delete;
    FloatStatusCheck& operator=(const FloatStatusCheck&) = delete;

private:
    int exceptionsAtStart_ = std::uncaught_exceptions();
};
