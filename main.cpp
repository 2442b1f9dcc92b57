#include "platform/paced_yield.h"
#include "ui/ondix15.h"
#include "ui/program_start.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    Setup setup = startSetup(QApplication::arguments());
    prepareApplication();
    Ondix15 window{PacedYield()};
    window.setStartSetup(std::move(setup));
    return runProgram(window);
}
