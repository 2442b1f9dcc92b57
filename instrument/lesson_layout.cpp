#include "instrument/lesson_layout.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace {

using Box = LessonLayout::Box;
using Tool = LessonLayout::Tool;

// The share of the window's height beyond which the view gives room to the tools where they are
// stacked beneath it.
constexpr double kViewShare = 0.5;
// The share of the window's height down to which the view keeps the whole width, the tools
// beneath it.
constexpr double kWideViewShare = 0.45;
// The least width of the view beside two tools side by side, as a share of the window's width.
constexpr double kViewBesideTwo = 0.45;
// The share of the height a phone keeps for the panels beneath the view and the diagram, or the
// panels come first.
constexpr double kPanelsInSight = 0.3;

double most(const Tool& tool, double width) {
    return std::max(tool.least, tool.mostAt ? tool.mostAt(width) : tool.most);
}

// The open tools one beneath the other in a column `box`: each keeps its least; what is left
// goes to the diagram and the instruction in equal halves, each up to its most, and what one
// does not take to the other.
std::pair<Box, Box> column(const Tool& diagram, const Tool& instruction, const Box& box,
                           double gap) {
    const double both = diagram.open && instruction.open ? gap : 0;
    double d = diagram.open ? diagram.least : 0;
    double i = instruction.open ? instruction.least : 0;
    double extra = std::max(0.0, box.height - d - i - both);
    const double dMore = diagram.open ? most(diagram, box.width) - d : 0;
    const double iMore = instruction.open ? most(instruction, box.width) - i : 0;
    const double dTakes = std::min(dMore, std::max(extra / 2, extra - iMore));
    d += dTakes;
    i += std::min(iMore, extra - dTakes);
    const Box top{box.x, box.y, box.width, diagram.open ? d : 0};
    const Box under{box.x, box.y + top.height + both, box.width, instruction.open ? i : 0};
    return {top, under};
}

double leastOf(const Tool& a, const Tool& b, double gap) {
    return (a.open ? a.least : 0) + (b.open ? b.least : 0) + (a.open && b.open ? gap : 0);
}

} // namespace

struct LessonLayout::Candidate {
    Arrangement arrangement;
    Box view, diagram, instruction, panels;
    bool fits;
    double contentHeight;
};

double LessonLayout::leastViewHeight(double height) {
    return std::max(200.0, 0.4 * height);
}

LessonLayout::LessonLayout(const Needs& n) {
    const double W = n.width;
    const double H = n.height;
    const double floor = leastViewHeight(H);
    const Tool& d = n.diagram;
    const Tool& in = n.instruction;
    const bool tools = d.open || in.open;
    std::vector<Candidate> candidates;

    // Stacked: the tools beneath the view at their least, more where the view keeps half the
    // window's height.
    const double panels = n.panels(W);
    const Box panelsBox{0, H - panels, W, panels};
    const double room = H - n.top - panels - n.gap; // the view's, and the tools' beside it
    {
        const int count = int(d.open) + int(in.open);
        const double least = leastOf(d, in, n.gap) + count * n.gap;
        double view = room - least;
        const double want = std::max(floor, kViewShare * H);
        const double toTools = view > want ? view - want : 0;
        const Box toolsBox{0, 0, W, least - count * n.gap + toTools};
        auto [db, ib] = column(d, in, toolsBox, n.gap);
        const double used = (d.open ? db.height + n.gap : 0) + (in.open ? ib.height + n.gap : 0);
        view = room - used;
        db.y += n.top + view + n.gap;
        ib.y += n.top + view + n.gap;
        candidates.push_back(
            {Arrangement::Stacked, {0, n.top, W, view}, db, ib, panelsBox, view >= floor, H});
    }
    if (tools) {
        // Beside the view: a column right of it, one tool over the other or side by side.
        const double col = std::min(n.column, 0.4 * W);
        if (col >= n.leastColumn) {
            const Box colBox{W - col, n.top, col, room};
            const auto [db, ib] = column(d, in, colBox, n.gap);
            const bool fits = room >= floor && room >= leastOf(d, in, n.gap);
            candidates.push_back({Arrangement::BesideView,
                                  {0, n.top, W - col - n.gap, room},
                                  db,
                                  ib,
                                  panelsBox,
                                  fits,
                                  0});
        }
        const double two = std::min(n.column, ((1 - kViewBesideTwo) * W - 2 * n.gap) / 2);
        if (d.open && in.open && two >= n.leastColumn) {
            const Box db{W - 2 * two - n.gap, n.top, two, std::min(room, most(d, two))};
            const Box ib{W - two, n.top, two, std::min(room, most(in, two))};
            const bool fits = room >= floor && room >= std::max(d.least, in.least);
            candidates.push_back({Arrangement::BesideViewInTwo,
                                  {0, n.top, W - 2 * two - 2 * n.gap, room},
                                  db,
                                  ib,
                                  panelsBox,
                                  fits,
                                  0});
        }
        // Beside the panels: the view over the whole width, the panels in a narrower room.
        if (col >= n.leastColumn) {
            const double narrow = W - col - n.gap;
            const double lower = std::max(n.panels(narrow), leastOf(d, in, n.gap));
            const double view = H - n.top - n.gap - lower;
            const Box colBox{narrow + n.gap, n.top + view + n.gap, col, lower};
            const auto [db, ib] = column(d, in, colBox, n.gap);
            const double p = n.panels(narrow);
            candidates.push_back({Arrangement::BesidePanels,
                                  {0, n.top, W, view},
                                  db,
                                  ib,
                                  {0, H - p, narrow, p},
                                  view >= floor,
                                  0});
        }
    }
    std::optional<Candidate> best;
    for (Candidate& c : candidates) {
        c.contentHeight = H;
        if (c.fits && (!best || c.view.height > best->view.height + 0.5)) {
            best = c;
        }
    }
    // The chain is wide and flat: its width shows the wave. The view keeps the whole width,
    // the tools beneath it, wherever it still keeps that share of the window's height.
    const Candidate& stacked = candidates.front();
    if (stacked.fits && stacked.view.height >= kWideViewShare * H) {
        best = stacked;
    }
    if (best) {
        take(*best);
        return;
    }
    if (!n.mayScroll) {
        // Too small: the arrangement that leaves the view the most, short of its least.
        const auto most = std::max_element(
            candidates.begin(), candidates.end(),
            [](const Candidate& a, const Candidate& b) { return a.view.height < b.view.height; });
        take(*most);
        return;
    }
    // Scrolled: the view at its least stays in sight; the diagram beneath it where that leaves
    // the panels room on the screen, the panels, the instruction last.
    Candidate c{Arrangement::Scrolled, {0, n.top, W, floor}, {}, {}, {}, false, 0};
    double y = n.top + floor + n.gap;
    const auto place = [&](Box& box, double height, double width) {
        box = {0, y, width, height};
        y += height + n.gap;
    };
    double dHeight = d.open ? std::min(most(d, W), std::max(d.least, 0.3 * H)) : 0;
    const double besideDiagram = H - y - n.gap - kPanelsInSight * H; // for it, first
    const bool diagramFirst = besideDiagram >= d.least;
    if (diagramFirst) {
        dHeight = std::min(dHeight, besideDiagram);
    }
    if (d.open && diagramFirst) {
        place(c.diagram, dHeight, W);
    }
    place(c.panels, panels, W);
    if (d.open && !diagramFirst) {
        place(c.diagram, dHeight, W);
    }
    if (in.open) {
        place(c.instruction, most(in, W), W);
    }
    c.contentHeight = y - n.gap;
    take(c);
}

void LessonLayout::take(const Candidate& c) {
    arrangement_ = c.arrangement;
    view_ = c.view;
    diagram_ = c.diagram;
    instruction_ = c.instruction;
    panels_ = c.panels;
    fits_ = c.fits;
    contentHeight_ = c.contentHeight;
}

double LessonLayout::leastHeight(Needs needs) {
    needs.diagram.open = true;
    needs.instruction.open = true;
    needs.mayScroll = false;
    // Whether everything fits grows with the height: the view's least grows slower than the
    // room.
    const auto fits = [&](double h) {
        needs.height = h;
        return LessonLayout(needs).fits();
    };
    double low = needs.top + needs.panels(needs.width) + leastViewHeight(0);
    double high = 2 * low;
    while (!fits(high)) {
        low = high;
        high *= 2;
    }
    if (fits(low)) {
        return low;
    }
    while (high - low > 1) {
        const double middle = std::floor((low + high) / 2);
        (fits(middle) ? high : low) = middle;
    }
    return high;
}
