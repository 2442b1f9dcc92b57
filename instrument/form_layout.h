#pragma once

#include "instrument/control.h"
#include "instrument/lesson_layout.h"

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
    // The same with the chain view at `view` (see LessonLayout) and the panels flowed into the
    // client area's `width` from its left edge, standing at its bottom.
    FormLayout(int width, int height, double dotsPerInchX, double dotsPerInchY, const Box& view);
    // At the design size (Form::kDesignWidth x kDesignHeight, 96 dots an inch).
    static FormLayout design();

    // What the lesson's layout needs of the form in a client area of `width` x `height` pixels:
    // the view's top, the design's gap beneath it, and the panels' height in a room of a given
    // width. The tools' heights are the face's to add.
    static LessonLayout::Needs lessonNeeds(int width, int height, double dotsPerInchX,
                                           double dotsPerInchY);
    // The panels' height from their top to the client area's bottom.
    int panelsHeight() const { return panelsHeight_; }

    // The least client area a window of the form allows on a screen of that resolution whose
    // client area is at most `screen`, with the tools a face measured: the narrowest width that
    // keeps the panels in one row and the height the lesson's layout needs there with both tools
    // open (see LessonLayout::leastHeight); where that does not fit the screen, the narrowest
    // width with the panels in two rows whose height does, or the least height of those.
    static Size leastClientSize(double dotsPerInchX, double dotsPerInchY,
                                const LessonLayout::Tool& diagram,
                                const LessonLayout::Tool& instruction, Size screen);

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
    void placeInView();

    std::array<Box, kControlCount> boxes_{};
    int panelRows_ = 1;
    int panelsHeight_ = 0;
    int gapBelowView_ = 0;
    double dpiX_ = 0;
    double dpiY_ = 0;
};
