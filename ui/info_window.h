#pragma once

#include <QWidget>

// One of the two information windows: a fixed page of text blocks on white, with nothing to
// operate. Each block is a label with a single-line border and a background colour of its own,
// holding one paragraph wrapped at the block's width. The window has no owner and never blocks
// another; closing it destroys it.
class InfoWindow : public QWidget {
    Q_OBJECT

public:
    enum class Page {
        TorsionChain,  // "OndixInfTor", nine blocks
        PendulumChain, // "OndixInfPen", five blocks
    };

    explicit InfoWindow(Page page);

    // The load handler of the torsion chain's window, run when it is created: moves the window's
    // top-left corner to (1, 1) in fixed units from the screen's top-left corner, without
    // changing its size. The pendulum chain's window has none: the window system places it.
    void Form_Load();
};
