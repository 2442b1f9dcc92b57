#pragma once

#include <functional>

// Where the chain view, the time diagram, an experiment's instruction and the panels go in a
// window of any size, for any of these tools open: the one rule both faces follow, each in its
// own unit (the page in CSS pixels, the desktop in its pixels).
//
// What it keeps, where the window allows: the view is never covered, keeps at least
// leastViewHeight of the height and the whole window's width less a tools' column; the diagram
// keeps its least height (a readable plot), the instruction its least (it scrolls inside
// itself); the panels stand at the bottom, flowed into the width they are given. It tries these
// arrangements and takes Stacked where the view keeps 45 % of the window's height that way (the
// chain is wide: its width shows the wave), else the one that leaves the view the most height,
// the earlier one of equal views:
// - Stacked: the view, the diagram and the instruction one beneath the other at the full width,
//   the panels beneath them.
// - BesideView: the panels at the full width; above them the view, and right of it a column
//   with the diagram over the instruction.
// - BesideViewInTwo: the same, with the diagram and the instruction side by side, where they do
//   not fit one over the other.
// - BesidePanels: the view at the full width; beneath it the panels, flowed into a narrower
//   room, and right of them the tools' column.
// Where none of them fits and the window may scroll (a phone), the view keeps its least height at
// the top and everything else follows beneath it, the panels before the diagram where the
// diagram would leave them too little room on the screen: Scrolled.
class LessonLayout {
public:
    struct Box {
        double x = 0;
        double y = 0;
        double width = 0;
        double height = 0;
        double right() const { return x + width; }
        double bottom() const { return y + height; }
        bool empty() const { return width <= 0 || height <= 0; }
        friend bool operator==(const Box&, const Box&) = default;
    };
    struct Size {
        double width = 0;
        double height = 0;
    };
    // A tool's heights: `least` where room is short, up to `most` (the instruction's whole text
    // at the width it gets, through `mostAt` where that is given).
    struct Tool {
        bool open = false;
        double least = 0;
        double most = 0;
        std::function<double(double width)> mostAt;
    };
    struct Needs {
        double width = 0; // the window's client area
        double height = 0;
        double top = 0; // where the view starts
        double gap = 8; // between two boxes
        // The panels' height, flowed into a room that wide.
        std::function<double(double room)> panels;
        Tool diagram;
        Tool instruction;
        // The tools' column, where they go beside the view or the panels: its width, and the
        // least width of each tool side by side.
        double column = 360;
        double leastColumn = 240;
        bool mayScroll = false;
    };
    enum class Arrangement { Stacked, BesideView, BesideViewInTwo, BesidePanels, Scrolled };

    explicit LessonLayout(const Needs& needs);

    Arrangement arrangement() const { return arrangement_; }
    const Box& view() const { return view_; }
    // Empty where the tool is closed.
    const Box& diagram() const { return diagram_; }
    const Box& instruction() const { return instruction_; }
    // The room the panels are flowed into, as high as they are.
    const Box& panels() const { return panels_; }
    // Whether everything keeps its least within the window; a Scrolled layout is as high as
    // contentHeight and only its view stays in sight.
    bool fits() const { return fits_; }
    double contentHeight() const { return contentHeight_; }

    // The least height the chain view keeps in a window `height` high: 200, or 40 % of the
    // height where that is more.
    static double leastViewHeight(double height);
    // The least height a window `needs.width` wide needs for everything to keep its least with
    // both tools open (needs.height and whether they are open aside).
    static double leastHeight(Needs needs);

private:
    struct Candidate;
    void take(const Candidate& c);

    Arrangement arrangement_ = Arrangement::Stacked;
    Box view_;
    Box diagram_;
    Box instruction_;
    Box panels_;
    bool fits_ = false;
    double contentHeight_ = 0;
};
