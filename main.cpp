#include "platform/paced_yield.h"
#include "ui/ondix15.h"
#include "ui/program_start.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    StartArguments start = readStartArguments(QApplication::arguments());
    prepareApplication(start);
    Ondix15 window{PacedYield()};
    window.setStartSetup(std::move(start.setup));
    return runProgram(window);
}
