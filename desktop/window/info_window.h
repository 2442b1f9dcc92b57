#pragma once

#include "instrument/info_pages.h"

#include <QWidget>

// One of the two information windows: a fixed page of text blocks on white, with nothing to
// operate. Each block is a label with a single-line border and a background colour of its own,
// holding one paragraph wrapped at the block's width. The window has no owner and never blocks
// another; closing it (its close box, or Escape) destroys it.
class InfoWindow : public QWidget {
    Q_OBJECT

public:
    explicit InfoWindow(const InfoPage& page);

    // Moves the window's top-left corner to (1, 1) in fixed units from the screen's top-left
    // corner, without changing its size.
    void moveToScreenCorner();

protected:
    // Escape closes the window, as its close box does.
    void keyPressEvent(QKeyEvent* event) override;
};
