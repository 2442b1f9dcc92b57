// The desktop half of the page's session test: replays the table of steps (session.steps) with
// real input events on the real main window, between the passes of its own run loop, and prints
// what the page and the instrument played without a toolkit must show as well: the view's size,
// hashes of the chain state and of the picture, and every control as its widget shows it. Given
// the golden end state (session.expected) as well, it compares with it and fails on a difference.
//
// With --setups, it starts the window with each setup of a table (setups.table) instead, runs
// 200 passes and prints each setup's end state after its line.
//
// desktop_session_replay [--setups] <steps or setups file> [<expected end state>]

#include "support/desktop_replay.h"
#include "support/session_steps.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const bool setups = argc > 1 && std::string(argv[1]) == "--setups";
    argv += setups ? 1 : 0;
    argc -= setups ? 1 : 0;
    if (argc < 2) {
        std::cerr << "usage: desktop_session_replay [--setups] <steps or setups file> "
                     "[<expected end state>]\n";
        return 2;
    }
    const auto text = [](const char* path) {
        std::ifstream file(path);
        return std::string{std::istreambuf_iterator<char>(file), {}};
    };
    std::string shown;
    if (setups) {
        const std::vector<std::string> passes{"passes " +
                                              std::to_string(SessionSteps::kPassesAfterSetup)};
        for (const std::string& line : SessionSteps::of(text(argv[1]))) {
            DesktopReplay replay(passes);
            Ondix15& window = *replay.session().window;
            window.setStartSetup(Setup::parse(line));
            replay.run();
            shown += SessionSteps::setupBlock(line, replay.endState());
            // What was ignored is shown beside the window, which it does not block.
            Setup noted = Setup::parse(line);
            noted.fitTo(window.instrument());
            std::string expected;
            for (const std::string& note : noted.notes()) {
                expected +=
                    (expected.empty() ? std::string(Setup::notesHeading()) : "") + "\n" + note;
            }
            const auto* box = window.findChild<QMessageBox*>(QStringLiteral("setupNotes"));
            const std::string notes = box != nullptr ? box->text().toStdString() : "";
            if (notes != expected || (box != nullptr && (box->isModal() || !box->isVisible()))) {
                std::cerr << line << ": the notes beside the window read \"" << notes << "\"\n";
                return 1;
            }
        }
    } else {
        DesktopReplay replay(SessionSteps::of(text(argv[1])));
        replay.run();
        shown = replay.shown();
    }
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
