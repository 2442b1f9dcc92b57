// The program as scripts/measure-cpu-load measures it under load: the shipped program, with the
// heaviest scenario switched on through its own controls before the first pass. The drive runs
// at amplitude 2 and the loose end is free, so that a standing wave soon fills the whole view,
// and the clock runs. Not installed; the shipped program has no such switch.

#include "platform/paced_yield.h"
#include "ui/ondix15.h"
#include "ui/program_start.h"

#include <QApplication>
#include <QPushButton>
#include <QScrollBar>

namespace {

void switchOnTheWorstCase(const MainControls& c) {
    c.button(Role::kDriveSwitch)->click();
    c.scrollBar(Role::kAmplitudeBar)->setValue(c.scrollBar(Role::kAmplitudeBar)->maximum());
    c.button(Role::kDampingSwitch)->click();
    c.button(Role::kClockSwitch)->click();
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    prepareApplication();
    Ondix15* self = nullptr;
    Ondix15 window{
        [&self, paced = PacedYield(), started = false](const ChainRunner::ShowFrame& show) mutable {
            if (!started) {
                started = true;
                switchOnTheWorstCase(self->controls());
            }
            paced(show);
        }};
    self = &window;
    return runProgram(window);
}
