#pragma once

#include "instrument/control.h"

#include <array>
#include <vector>

// Where every control of the form (see Form) goes at a given client size of the window, in
// pixels relative to its container, as a toolkit's controls read back: window units and fixed
// units snapped to whole pixels one at a time, a column placed by the read-back right edge of
// the one before it, a label in the chain view by the view's user scale.
//
// Across, the window's children take the window scale of the client width. Down, the panels
// keep the heights and offsets they have at the design height (scaled by the screen's
// resolution) and stand at the bottom of the client area; the chain view, from its top, takes
// the height left above them less the design's gap, at least PanelFlow::leastViewHeight. Where a
// frame would be narrower than what it holds, the columns flow into rows instead (see
// PanelFlow), each frame at least as wide as its contents. At the design size every box is the
// form's own.
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

    struct Size {
        int width = 0;
        int height = 0;
    };

    // A client area of `width` x `height` pixels on a screen of `dotsPerInchX` x `dotsPerInchY`
    // logical dots an inch.
    FormLayout(int width, int height, double dotsPerInchX, double dotsPerInchY);
    // At the design size (Form::kDesignWidth x kDesignHeight, 96 dots an inch).
    static FormLayout design();

    // The least client area a window of the form allows on a screen of that resolution: as high
    // as the panels side by side and the view's least height need, and as narrow as leaves the
    // panels in at most two rows.
    static Size leastClientSize(double dotsPerInchX, double dotsPerInchY);

    const Box& operator[](Control control) const {
        return boxes_[static_cast<std::size_t>(control)];
    }

    // The page's flow of the window's children beneath the chain view: a column holds the
    // children whose boxes overlap horizontally, the columns go left to right; in a column, a row
    // holds the children that share a top, the rows go top to bottom and each left to right.
    using Row = std::vector<Control>;
    using Column = std::vector<Row>;
    std::vector<Column> panelColumns() const;

    // The rows the panels' columns take: 1 where they stand side by side as designed.
    int panelRows() const { return panelRows_; }

    // A point of the chain view's user coordinates in pixels of the view, as laid out.
    int viewX(double x) const;
    int viewY(double y) const;

    // The width a frame needs for what it holds: up to its controls' right edge and its border,
    // or `withMargin` their margin from its left edge (at least 8 and at most 16 pixels) kept on
    // the right too, as the page's frames have it.
    int contentWidth(Control frame, bool withMargin) const;

private:
    static constexpr int kLeastMargin = 8;
    static constexpr int kMostMargin = 16;
    static constexpr int kBorder = 1;

    void standPanelsAtTheBottom(int width, int height);

    std::array<Box, kControlCount> boxes_{};
    int panelRows_ = 1;
};
