// "Ende" and the window's close box end the program with status 0, whether the run loop is
// going, halted, or going again inside the handler of a continuing click. Each case runs the
// real main window in a child process; a program that goes on instead leaves the test with a
// status of 100 or more.

#include "sim/chain_runner.h"
#include "support/program_in_child.h"
#include "ui/ondix15.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

constexpr int kPassLimit = 2000;

using Step = std::function<void(Ondix15&)>;

// Runs `step` from the application's event loop once the run has halted.
void whenHalted(Ondix15& w, Step step) {
    QTimer::singleShot(20, &w, [&w, step = std::move(step)] {
        if (w.runner().activeLoops() != 0) {
            std::fprintf(stderr, "not halted\n");
            std::exit(98);
        }
        step(w);
    });
}

// "Halt" or "Weiter", whichever it reads.
void haltButton(Ondix15& w) {
    w.controls().Command11->click();
}
void end(Ondix15& w) {
    w.controls().Command10->click();
}
void closeBox(Ondix15& w) {
    w.close();
}

// The program as main() runs it; `onPass` acts from inside the run loop's yield after the pass
// with the given number, counted over every run.
[[noreturn]] void runProgram(const std::function<void(Ondix15&, int pass)>& onPass) {
    runProgramInChild({}, onPass, kPassLimit);
}

// Halts after pass 5, continues from the event loop, and acts with `last` after pass 30 of the
// continued run.
[[noreturn]] void continueThen(const Step& last) {
    runProgram([&](Ondix15& w, int pass) {
        if (pass == 5) {
            haltButton(w);
            whenHalted(w, haltButton);
        } else if (pass == 30) {
            last(w);
        }
    });
}

} // namespace

TEST(ProgramEndDeathTest, EndButtonWhileRunning) {
    EXPECT_EXIT(runProgram([](Ondix15& w, int pass) {
                    if (pass == 20) {
                        end(w);
                    }
                }),
                testing::ExitedWithCode(0), "");
}

TEST(ProgramEndDeathTest, EndButtonWhileHalted) {
    EXPECT_EXIT(runProgram([](Ondix15& w, int pass) {
                    if (pass == 5) {
                        haltButton(w);
                        whenHalted(w, end);
                    }
                }),
                testing::ExitedWithCode(0), "");
}

TEST(ProgramEndDeathTest, EndButtonWhileRunningInsideTheContinuingClick) {
    EXPECT_EXIT(continueThen(end), testing::ExitedWithCode(0), "");
}

TEST(ProgramEndDeathTest, CloseBoxWhileRunningInsideTheContinuingClick) {
    EXPECT_EXIT(continueThen(closeBox), testing::ExitedWithCode(0), "");
}

TEST(ProgramEndDeathTest, CloseBoxWhileHaltedAfterAContinue) {
    // main() returns the event loop's status, which closing the last window makes 0.
    EXPECT_EXIT(continueThen([](Ondix15& w) {
                    haltButton(w);
                    whenHalted(w, closeBox);
                }),
                testing::ExitedWithCode(100), "event loop returned 0");
}
