#pragma once

#include "ui/ondix15.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <functional>

// Runs the program as main() does, inside a death test's child process. `setUp` prepares the
// application before the window exists; `onPass` acts from inside the run loop's yield after
// each pass, numbered over every run. A program still running after `passLimit` passes exits
// with 99, and one whose event loop returns exits with 100 plus its status, so that the parent
// tells both from an ending through the program's own path.
[[noreturn]] inline void runProgramInChild(const std::function<void(QApplication&)>& setUp,
                                           const std::function<void(Ondix15&, int)>& onPass,
                                           int passLimit) {
    static int argc = 1;
    static char name[] = "ondix_child";
    static char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    if (setUp) {
        setUp(app);
    }
    int passes = 0;
    Ondix15* window = nullptr;
    Ondix15 w([&](const ChainRunner::ShowFrame& show) {
        show();
        QCoreApplication::processEvents();
        onPass(*window, ++passes);
        if (passes > passLimit) {
            std::fprintf(stderr, "still running\n");
            std::exit(99);
        }
    });
    window = &w;
    QTimer::singleShot(0, &w, &Ondix15::Form_Load);
    const int status = QApplication::exec();
    std::fprintf(stderr, "event loop returned %d\n", status);
    std::exit(100 + status);
}
