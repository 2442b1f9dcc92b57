#pragma once

#include <QObject>

class ChainRunner;
class Markers;
class QLabel;
class QPushButton;
class QWidget;
struct ChainState;

// Halting and continuing the run, and ending the program.
class RunControls : public QObject {
    Q_OBJECT

public:
    // The main window, which "Ende" unloads; the halt button, whose caption says what its next
    // click does; the mode label in the chain view, which reads "Halt" while the run stands.
    struct Controls {
        QWidget& window;
        QPushButton& Command11;
        QLabel& Label6;
    };

    RunControls(ChainState& state, ChainRunner& runner, Markers& markers, const Controls& controls);

    // "Halt" sets the flag at which the run loop returns at the top of its next pass. "Weiter"
    // continues from exactly the halted state by running the loop inside this handler, which
    // then returns only after a later halt. A continuing click handled while a loop is still on
    // the call stack (a halt and a continue in one yield) lets that loop go on instead: loops
    // never nest, however many clicks queue up.
    void Command11_Click();

    // "Ende": ends the program at once, from inside the run loop's yield or while halted. A
    // request to quit the application's event loop would never get back out through the
    // yield of a running loop.
    [[noreturn]] void Command10_Click();

private:
    void showHalted();

    ChainState& state_;
    ChainRunner& runner_;
    Markers& markers_;
    Controls c_;
};
