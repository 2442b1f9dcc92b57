#include "desktop/window/program_start.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    return startProgram();
}
