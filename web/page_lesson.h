#pragma once

#include <string>

// The lesson's layout (LessonLayout) in the page's browser window, in CSS pixels: the window's
// size, the panels at a panel scale (flowed by the form's rule, the finger's boxes where a finger
// is the pointer) and the tools' heights as the page's scripts measured them.
namespace PageLesson {

struct Tool {
    bool open = false;
    double least = 0;
    double most = 0;
};

// The instruction's whole height, measured at two widths: the text's lines grow as the width
// shrinks, roughly as its reciprocal, which gives the heights between and beyond them.
struct Measured {
    double narrowWidth = 0;
    double narrowHeight = 0;
    double wideWidth = 0;
    double wideHeight = 0;
    double at(double width) const;
};

struct Window {
    double width = 0;
    double height = 0; // less the link's bar where that lies beneath the window
    double top = 0;    // where the view starts
    double scale = 1;  // CSS pixels to a pixel of the design
    bool finger = false;
    double under = 0; // beneath the panels in their room: the link's bar
    Tool diagram;
    Tool instruction;
    Measured instructionWhole;
    double column = 360; // the tools' column, CSS pixels
    bool mayScroll = false;
};

// The boxes as JSON: {"arrangement", "fits", "contentHeight", "view": [x, y, w, h], "diagram",
// "instruction" (null where closed), "panels": the room they flow in}.
std::string json(const Window& window);

} // namespace PageLesson
