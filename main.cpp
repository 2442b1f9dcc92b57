#include "desktop/window/program_start.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // The usage, the version and a refusal need no window: answered before the window system
    // starts, they reach a terminal that has no display.
    if (const std::optional<int> status = answerWithoutWindow(argc, argv)) {
        return *status;
    }
    QApplication application(argc, argv);
    return startProgram();
}
