#include "platform/paced_yield.h"
#include "ui/ondix15.h"
#include "ui/program_start.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    prepareApplication();
    Ondix15 window{PacedYield()};
    return runProgram(window);
}
