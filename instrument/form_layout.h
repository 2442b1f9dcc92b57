#pragma once

#include "instrument/control.h"

#include <array>
#include <vector>

// Where every control of the form (see Form) goes at a given client size of the window, in
// pixels relative to its container, as a toolkit's controls read back: window units and fixed
// units snapped to whole pixels one at a time, a column placed by the read-back right edge of
// the one before it, a label in the chain view by the view's user scale.
class FormLayout {
public:
    struct Box {
        int x = 0;
        int y = 0;
        int width = 0;
        int height = 0;
        int right() const { return x + width; }
        friend bool operator==(const Box&, const Box&) = default;
    };

    // A client area of `width` x `height` pixels on a screen of `dotsPerInchX` x `dotsPerInchY`
    // logical dots an inch.
    FormLayout(int width, int height, double dotsPerInchX, double dotsPerInchY);
    // At the design size (Form::kDesignWidth x kDesignHeight, 96 dots an inch).
    static FormLayout design();

    const Box& operator[](Control control) const {
        return boxes_[static_cast<std::size_t>(control)];
    }

    // The page's flow of the window's children beneath the chain view: a column holds the
    // children whose boxes overlap horizontally, the columns go left to right; in a column, a row
    // holds the children that share a top, the rows go top to bottom and each left to right.
    using Row = std::vector<Control>;
    using Column = std::vector<Row>;
    std::vector<Column> panelColumns() const;

    // A point of the chain view's user coordinates in pixels of the view, as laid out.
    int viewX(double x) const;
    int viewY(double y) const;

private:
    std::array<Box, kControlCount> boxes_{};
};
