// How the program ends. "Ende" ends it at once with status 0, whether the run is going, halted or
// going again; the window's close box ends its event loop with status 0 (the child reports it as
// 100 plus the status); a run-time error shows its box and ends the process with its number; the
// command line is answered without a window. Each case runs the real main window in a child
// process; a program that goes on instead leaves the test with a status of 99.

#include "core/runtime_error.h"
#include "core/version.h"
#include "desktop/platform/error_box.h"
#include "desktop/window/ondix15.h"
#include "support/program_in_child.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kPassLimit = 2000;

int argc = 1;
char name[] = "program_exit_test";
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

// The program as main() runs it, its boxes answered; `onPass` acts between two frames after the
// pass with the given number, counted over every run.
[[noreturn]] void runChild(const std::function<void(WindowSession&, int pass)>& onPass) {
    runProgramInChild(answerTheBox, onPass, kPassLimit);
}

// `during` acts after the given pass.
[[noreturn]] void runWindow(int onPass, const std::function<void(WindowSession&)>& during) {
    runChild([&](WindowSession& w, int pass) {
        if (pass == onPass) {
            during(w);
        }
    });
}

using Step = std::function<void(WindowSession&)>;

// Runs `step` from the application's event loop once the run has halted.
void whenHalted(WindowSession& w, Step step) {
    QTimer::singleShot(20, w.window.get(), [&w, step = std::move(step)] {
        if (w.nesting != 0) {
            std::fprintf(stderr, "not halted\n");
            std::exit(98);
        }
        step(w);
    });
}

// "Halt" or "Weiter", whichever it reads.
void haltButton(WindowSession& w) {
    w.c().button(Role::kHaltButton)->click();
}
void end(WindowSession& w) {
    w.c().button(Role::kEndButton)->click();
}
void closeBox(WindowSession& w) {
    w.window->close();
}

// Halts after pass 5, continues from the event loop, and acts with `last` after pass 30 of the
// continued run.
[[noreturn]] void continueThen(const Step& last) {
    runChild([&](WindowSession& w, int pass) {
        if (pass == 5) {
            haltButton(w);
            whenHalted(w, haltButton);
        } else if (pass == 30) {
            last(w);
        }
    });
}

// A command line as a shell runs it, "NAME=value Ondix15 arguments…" (no blanks in them); what
// its exit status is, and what reaches the stream it names (1 stdout, 2 stderr): the parts in
// their order, ending with the last.
struct CommandLine {
    const char* command;
    int status;
    int stream;
    std::vector<std::string> printed;
};

// The program run as main() runs it with the row's command line; only the row's stream reaches
// the parent. The answer comes without a display; a window that starts (given the display back)
// prints its amplitude's read-out after the setup and ends.
[[noreturn]] void runCommandLine(const CommandLine& row) {
    std::string line = row.command; // its words, each ended by a zero
    std::vector<char*> words{line.data()};
    for (char& c : line) {
        if (c == ' ') {
            c = '\0';
            words.push_back(&c + 1);
        }
    }
    putenv(words.front());
    const int shown = dup(2);
    const int other = fileno(std::tmpfile());
    dup2(row.stream == 1 ? shown : other, 1);
    dup2(row.stream == 2 ? shown : other, 2);
    int count = static_cast<int>(words.size()) - 1;
    const QByteArray display = qgetenv("DISPLAY"), platform = qgetenv("QT_QPA_PLATFORM");
    qunsetenv("DISPLAY");
    qunsetenv("QT_QPA_PLATFORM");
    if (const std::optional<int> status = answerWithoutWindow(count, words.data() + 1)) {
        std::exit(*status);
    }
    qputenv("DISPLAY", display);
    qputenv("QT_QPA_PLATFORM", platform);
    QApplication app(count, words.data() + 1);
    QTimer::singleShot(500, [stream = row.stream == 1 ? stdout : stderr] {
        const QString name = QString::fromUtf8(controlName(Role::kAmplitudeReadout).data());
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (const auto* readOut = window->findChild<QLineEdit*>(name)) {
                std::fprintf(stream, "read-out: %s\n", readOut->text().toUtf8().constData());
            }
        }
        std::exit(0);
    });
    std::exit(startProgram());
}

MATCHER_P(HoldsInOrder, parts, "") {
    std::size_t at = 0;
    for (const std::string& part : parts) {
        at = arg.find(part, at);
        if (at == std::string::npos) {
            return false;
        }
        at += part.size();
    }
    return at == arg.size();
}

} // namespace

TEST(ProgramExitDeathTest, TheCommandLineIsAnsweredOrStartsTheWindow) {
    const std::string usageEnd = "  lang, sprache, language       de, en\n";
    const std::string words = "an/aus, ein/aus, ja/nein, on/off, yes/no, 1/0";
    // clang-format off
    const CommandLine rows[] = {
        {"LANGUAGE=de Ondix15 --help", 0, 1, {"Aufruf: Ondix15 [Option …]\n\n  --setup EINSTELLUNG",
            "  uhr, clock                    " + words + "\n  halt                          " + words +
            "\n  lauf, run                     " + words + " (umgekehrt wie halt)\n  puls, pulse                   " +
            words + "\n  zug, train                    1 bis 10 in Schritten von 1\n"
            "  versuch, experiment           1 bis 9 in Schritten von 1\n" + usageEnd}},
        {"LANGUAGE=en Ondix15 -h", 0, 1, {"Usage: Ondix15 [option …]\n",
            "  amplitude                     0.1 to 2 in steps of 0.1\n", usageEnd}},
        {"LANGUAGE=en Ondix15 --language de --help", 0, 1, {"Aufruf: Ondix15", usageEnd}},
        {"LANGUAGE=de Ondix15 --version", 0, 1, {"Ondix15 " ONDIX_VERSION "\n"}},
        {"LANGUAGE=de Ondix15 --hepl traeger=pendel", 2, 2, {"Unbekannte Option „--hepl“.\n"
            "Unbekannte Option „traeger=pendel“.\n\nAufruf: Ondix15", usageEnd}},
        {"LANGUAGE=en Ondix15 --setup", 2, 2, {"“--setup” needs a value.\n\nUsage: Ondix15", usageEnd}},
        // The command line's notes before the setup's; the German read-out under a C locale.
        {"LC_ALL=C Ondix15 --setup halt=ja&lauf=ja --setup=amplitude=1.5&periode=0,5&lang=en "
            "--language de", 0, 2, {"Einstellung beim Start:\n„--setup halt=ja&lauf=ja“ wird "
            "übergangen: es gilt die letzte Angabe, „--setup=amplitude=1.5&pe…“.\n„periode=0,5“ "
            "wird übergangen: der Wert liegt nicht zwischen 1 und 100.\n„lang=en“ wird übergangen: "
            "die Sprache wählt „--language de“.\n", "read-out: 1,5\n"}},
        // A value refused does not count as given: the next valid one does.
        {"LANGUAGE=de Ondix15 --setup amplitude=abc&amplitude=5&amplitude=1.5&amplitude=1", 0, 2,
            {"„amplitude=abc“ wird übergangen: „abc“ ist keine Zahl.\n„amplitude=5“ wird "
             "übergangen: der Wert liegt nicht zwischen 0,1 und 2.\n„amplitude=1“ wird übergangen: "
             "die Einstellung ist schon als „amplitude=1.5“ angegeben.\n", "read-out: 1,5\n"}},
        {"LC_ALL=de_DE.UTF-8 Ondix15 --language de --language=en --setup amplitude=1.5", 0, 2,
            {"“--language de” is ignored: the last one given counts, “--language=en”.\n",
             "read-out: 1.5\n"}},
    };
    // clang-format on
    for (const CommandLine& row : rows) {
        EXPECT_EXIT(runCommandLine(row), testing::ExitedWithCode(row.status),
                    HoldsInOrder(row.printed))
            << row.command;
    }
}

TEST(ProgramExitDeathTest, ClosingTheWindowWhileRunningEndsTheProgram) {
    // The run goes on in the event loop, which ends with the last window.
    EXPECT_EXIT(runWindow(20, [](WindowSession& w) { w.window->close(); }),
                testing::ExitedWithCode(100), "event loop returned 0");
}

TEST(ProgramExitDeathTest, ClosingTheWindowWhileHaltedEndsWithTheLastWindow) {
    // The run halts on pass 5 and Form_Load returns to the event loop; then the window closes.
    EXPECT_EXIT(runWindow(5,
                          [](WindowSession& w) {
                              w.state.halted = 1;
                              QTimer::singleShot(50, w.window.get(), &QWidget::close);
                          }),
                testing::ExitedWithCode(100), "event loop returned 0");
}

TEST(ProgramExitDeathTest, OverflowInAPassShowsTheBoxAndEnds) {
    EXPECT_EXIT(runWindow(10,
                          [](WindowSession& w) {
                              w.state.y[10] = 3.0e38f;
                              w.state.y[12] = 3.0e38f;
                          }),
                testing::ExitedWithCode(6), "box: Laufzeitfehler '6':  Überlauf");
}

TEST(ProgramExitDeathTest, BadIndexShowsTheBoxAndEnds) {
    EXPECT_EXIT(runWindow(3, [](WindowSession& w) { w.state.y[101] = 0; }),
                testing::ExitedWithCode(9),
                "box: Laufzeitfehler '9':  Index außerhalb des gültigen Bereichs");
}

TEST(ProgramExitDeathTest, DivisionByZeroIsReportedAsSuch) {
    EXPECT_EXIT(
        {
            QApplication app(argc, argv);
            installRunTimeErrorBox();
            answerTheBox(app);
            QTimer::singleShot(0, [] {
                clearFloatStatus();
                volatile double zero = 0.0;
                static_cast<void>(toStored(quotient(1.0, zero)));
                checkFloatStatus();
            });
            QApplication::exec();
            std::exit(100);
        },
        testing::ExitedWithCode(11), "Laufzeitfehler 11: Division durch Null");
}

TEST(ProgramExitDeathTest, AnErrorWhileTheBoxIsUpEndsWithoutASecondBox) {
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

TEST(ProgramExitDeathTest, EndButtonWhileRunning) {
    EXPECT_EXIT(runChild([](WindowSession& w, int pass) {
                    if (pass == 20) {
                        end(w);
                    }
                }),
                testing::ExitedWithCode(0), "");
}

TEST(ProgramExitDeathTest, EndButtonWhileHalted) {
    EXPECT_EXIT(runChild([](WindowSession& w, int pass) {
                    if (pass == 5) {
                        haltButton(w);
                        whenHalted(w, end);
                    }
                }),
                testing::ExitedWithCode(0), "");
}

TEST(ProgramExitDeathTest, EndButtonWhileRunningInsideTheContinuingClick) {
    EXPECT_EXIT(continueThen(end), testing::ExitedWithCode(0), "");
}

TEST(ProgramExitDeathTest, CloseBoxWhileRunningAfterAContinue) {
    EXPECT_EXIT(continueThen(closeBox), testing::ExitedWithCode(100), "event loop returned 0");
}

TEST(ProgramExitDeathTest, CloseBoxWhileHaltedAfterAContinue) {
    // main() returns the event loop's status, which closing the last window makes 0.
    EXPECT_EXIT(continueThen([](WindowSession& w) {
                    haltButton(w);
                    whenHalted(w, closeBox);
                }),
                testing::ExitedWithCode(100), "event loop returned 0");
}
