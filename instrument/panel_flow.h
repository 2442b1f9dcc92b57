#pragma once

#include "instrument/control.h"
#include "instrument/form_layout.h"

#include <functional>
#include <vector>

// The panels beneath the chain view, flowed into the width a window has: the form's columns
// (FormLayout::panelColumns) side by side while they fit, wrapping into a new row of columns
// where the width runs out; in a column its rows one beneath the other, each row's children side
// by side. A column alone in its row lays all its children side by side where that fits and is
// lower. Each row is centred in the room. Both faces flow their panels by this one rule, each in
// its own unit (the page in pixels of the design, the desktop in its pixels).
class PanelFlow {
public:
    struct Size {
        double width = 0;
        double height = 0;
    };
    // A child's box, from the top-left corner of the room the panels flow in.
    struct Place {
        Control control;
        double x;
        double y;
        double width;
        double height;
        friend bool operator==(const Place&, const Place&) = default;
    };
    using SizeOf = std::function<Size(Control)>;

    PanelFlow(const std::vector<FormLayout::Column>& columns, const SizeOf& sizeOf, double gap,
              double room);

    const std::vector<Place>& places() const { return places_; }
    // The widest row, and the rows' height with the gaps between them.
    double width() const { return width_; }
    double height() const { return height_; }
    int rows() const { return rows_; }

    // The least height the chain view keeps in a client area `height` pixels high: 120 pixels,
    // or a fifth of the height where that is more.
    static double leastViewHeight(double height);

private:
    std::vector<Place> places_;
    double width_ = 0;
    double height_ = 0;
    int rows_ = 0;
};
