// The desktop half of the page's session test: replays the table of steps (session.steps) with
// real input events on the real main window, between the passes of its own run loop, and prints
// what the page and the instrument played without a toolkit must show as well: the view's size,
// hashes of the chain state and of the picture, and every control as its widget shows it. Given
// the golden end state (session.expected) as well, it compares with it and fails on a difference.
//
// desktop_session_replay <steps file> [<expected end state>]

#include "support/desktop_replay.h"
#include "support/session_steps.h"

#include <QApplication>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 2) {
        std::cerr << "usage: desktop_session_replay <steps file> [<expected end state>]\n";
        return 2;
    }
    const auto text = [](const char* path) {
        std::ifstream file(path);
        return std::string{std::istreambuf_iterator<char>(file), {}};
    };
    DesktopReplay replay(SessionSteps::of(text(argv[1])));
    replay.run();
    const std::string shown = replay.endState();
    std::fputs(shown.c_str(), stdout);
    if (argc < 3) {
        return 0;
    }
    const std::string expected = text(argv[2]);
    if (shown != expected) {
        std::cerr << "the desktop's end state differs from " << argv[2] << ":\n" << expected;
        return 1;
    }
    return 0;
}
