#pragma once

#include "desktop/window/program_start.h"
#include "support/window_session.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <functional>

// Runs the program as main() does, inside a death test's child process. `setUp` prepares the
// application further before the window exists; `onPass` acts between two frames after each pass
// has handled its events, numbered over every run. A program still running
// after `passLimit` passes exits with 99, and one whose event loop returns exits with 100 plus
// its status, so that the parent tells both from an ending through the program's own path.
[[noreturn]] inline void runProgramInChild(const std::function<void(QApplication&)>& setUp,
                                           const std::function<void(WindowSession&, int)>& onPass,
                                           int passLimit) {
    static int argc = 1;
    static char name[] = "ondix_child";
    static char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    prepareApplication();
    if (setUp) {
        setUp(app);
    }
    WindowSession session(passLimit + 2);
    session.afterEvents = [&](int pass) {
        onPass(session, pass);
        if (pass > passLimit) {
            std::fprintf(stderr, "still running\n");
            std::exit(99);
        }
    };
    // The passes one by one once the window has loaded, as its frames would run them.
    QTimer::singleShot(0, [&session] { QTimer::singleShot(0, [&session] { session.run(); }); });
    const int status = runProgram(*session.window);
    std::fprintf(stderr, "event loop returned %d\n", status);
    std::exit(100 + status);
}
