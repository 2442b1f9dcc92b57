// How the program ends: a run-time error shows its box and ends the process with its number;
// closing the main window while the run loop runs ends the process at once with status 0.
// Each case runs the real window in a child process.

#include "core/runtime_error.h"
#include "platform/error_box.h"
#include "support/program_in_child.h"
#include "ui/ondix15.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace {

int argc = 1;
char name[] = "test_process_exit";
char* argv[] = {name, nullptr};

// Answers the first modal box that comes up, after writing its text where the parent test can
// read it.
void answerTheBox(QApplication& app) {
    auto* timer = new QTimer(&app);
    QObject::connect(timer, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            std::fprintf(stderr, "box: %s\n", box->text().toUtf8().replace('\n', ' ').constData());
            box->accept();
        }
    });
    timer->start(20);
}

// Starts the window as the program does and runs the application's event loop; `during` runs
// from inside the run loop's yield on the given pass.
[[noreturn]] void runWindow(int onPass, const std::function<void(Ondix15&)>& during) {
    runProgramInChild(
        [](QApplication& app) {
            installRunTimeErrorBox();
            answerTheBox(app);
        },
        [&](Ondix15& w, int pass) {
            if (pass == onPass) {
                during(w);
            }
        },
        onPass + 2000);
}

} // namespace

TEST(ProcessExitDeathTest, ClosingTheWindowWhileRunningEndsTheProgram) {
    EXPECT_EXIT(runWindow(20, [](Ondix15& w) { w.close(); }), testing::ExitedWithCode(0), "");
}

TEST(ProcessExitDeathTest, ClosingTheWindowWhileHaltedEndsWithTheLastWindow) {
    // The run halts on pass 5 and Form_Load returns to the event loop; then the window closes.
    EXPECT_EXIT(runWindow(5,
                          [](Ondix15& w) {
                              w.state().halted = 1;
                              QTimer::singleShot(50, &w, &QWidget::close);
                          }),
                testing::ExitedWithCode(100), "event loop returned 0");
}

TEST(ProcessExitDeathTest, OverflowInAPassShowsTheBoxAndEnds) {
    EXPECT_EXIT(runWindow(10,
                          [](Ondix15& w) {
                              w.state().y[10] = 3.0e38f;
                              w.state().y[12] = 3.0e38f;
                          }),
                testing::ExitedWithCode(6), "box: Laufzeitfehler '6':  Überlauf");
}

TEST(ProcessExitDeathTest, BadIndexShowsTheBoxAndEnds) {
    EXPECT_EXIT(runWindow(3, [](Ondix15& w) { w.state().y[101] = 0; }), testing::ExitedWithCode(9),
                "box: Laufzeitfehler '9':  Index außerhalb des gültigen Bereichs");
}

TEST(ProcessExitDeathTest, DivisionByZeroIsReportedAsSuch) {
    EXPECT_EXIT(
        {
            QApplication app(argc, argv);
            installRunTimeErrorBox();
            answerTheBox(app);
            QTimer::singleShot(0, [] {
                clearFloatStatus();
                volatile float zero = 0.0f;
                volatile float quotient = 1.0f / zero;
                (void)quotient;
                checkFloatStatus();
            });
            QApplication::exec();
            std::exit(100);
        },
        testing::ExitedWithCode(11), "Laufzeitfehler 11: Division durch Null");
}

TEST(ProcessExitDeathTest, AnErrorWhileTheBoxIsUpEndsWithoutASecondBox) {
    // The first error's box is up; a handler running in the box's event loop raises a second
    // one. Every box that comes up is numbered on stderr.
    EXPECT_EXIT(
        {
            QApplication app(argc, argv);
            installRunTimeErrorBox();
            auto* timer = new QTimer(&app);
            QObject::connect(timer, &QTimer::timeout, [boxes = 0]() mutable {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    std::fprintf(stderr, "box %d: %s\n", ++boxes,
                                 box->text().toUtf8().replace('\n', ' ').constData());
                    raiseRunTimeError(RunTimeErrorCode::SubscriptOutOfRange);
                }
            });
            timer->start(20);
            QTimer::singleShot(0, [] { raiseRunTimeError(RunTimeErrorCode::Overflow); });
            QApplication::exec();
            std::exit(100);
        },
        testing::ExitedWithCode(9),
        testing::AllOf(testing::HasSubstr("box 1: Laufzeitfehler '6'"),
                       testing::HasSubstr("Laufzeitfehler 9:"),
                       testing::Not(testing::HasSubstr("box 2"))));
}
