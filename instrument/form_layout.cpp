#include "instrument/form_layout.h"

#include "core/twips.h"
#include "instrument/form.h"
#include "instrument/panel_flow.h"
#include "picture/user_scale.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kWindowUnitsX = 4000;
constexpr double kWindowUnitsY = 3000;

int rounded(double value) {
    return static_cast<int>(std::lround(value));
}

} // namespace

FormLayout::FormLayout(int width, int height, double dotsPerInchX, double dotsPerInchY)
    : dpiX_(dotsPerInchX), dpiY_(dotsPerInchY) {
    boxes_[static_cast<std::size_t>(Role::kWindow)] = {0, 0, width, height};
    // Across, the window scale of the client width; down, the panels keep the pixels they have
    // at the design height on this screen, and the chain view takes what is left (see below).
    // Each of Left, Top, Width and Height is snapped to whole pixels on its own; read back,
    // pixels become units again.
    const int designHeight = rounded(Form::kDesignHeight * dotsPerInchY / Form::kDesignDotsPerInch);
    const auto windowX = [&](double units) { return rounded(units * width / kWindowUnitsX); };
    const auto windowY = [&](double units) {
        return rounded(units * designHeight / kWindowUnitsY);
    };
    const auto unitsX = [&](int pixels) {
        return width > 0 ? pixels * kWindowUnitsX / width : 0.0;
    };
    const auto twipsX = [&](double twips) { return Twips::toPixels(twips, dotsPerInchX); };
    const auto twipsY = [&](double twips) { return Twips::toPixels(twips, dotsPerInchY); };

    std::array<bool, kControlCount> placed{};
    placed[static_cast<std::size_t>(Role::kWindow)] = true;
    // A window child placed after another is placed once that one is; the form has no cycle.
    const auto placeWindowChild = [&](const auto& self, const Form::Entry& e) -> void {
        const auto index = static_cast<std::size_t>(e.control);
        if (placed[index]) {
            return;
        }
        Box& box = boxes_[index];
        box.height = windowY(e.height);
        box.width = windowX(Form::width(e));
        box.y = windowY(e.top);
        double left = e.left;
        if (e.leftRule != Form::LeftRule::Given) {
            self(self, Form::entry(e.leftOf));
            const Box& other = (*this)[e.leftOf];
            left = e.leftRule == Form::LeftRule::SameLeftAs
                       ? unitsX(other.x)
                       : unitsX(other.x) + unitsX(other.width) + Form::kColumnGap;
        }
        box.x = windowX(left);
        placed[index] = true;
    };
    for (const Form::Entry& e : Form::entries()) {
        if (e.placement == Form::Placement::Window) {
            placeWindowChild(placeWindowChild, e);
        } else if (e.placement == Form::Placement::Fixed) {
            boxes_[static_cast<std::size_t>(e.control)] = {
                twipsX(e.left), twipsY(e.top), twipsX(Form::width(e)), twipsY(e.height)};
        }
    }
    standPanelsAtTheBottom(width, height);
    placeInView();
}

void FormLayout::placeInView() {
    for (const Form::Entry& e : Form::entries()) {
        if (e.placement == Form::Placement::InView) {
            // At the view's point, kept inside a view too low or too narrow for the label there.
            const Box& view = (*this)[Role::kChainView];
            const int labelWidth = Twips::toPixels(Form::width(e), dpiX_);
            const int labelHeight = Twips::toPixels(e.height, dpiY_);
            boxes_[static_cast<std::size_t>(e.control)] = {
                std::max(0, std::min(viewX(e.left), view.width - labelWidth)),
                std::max(0, std::min(viewY(e.top), view.height - labelHeight)), labelWidth,
                labelHeight};
        }
    }
}

FormLayout::FormLayout(int width, int height, double dotsPerInchX, double dotsPerInchY,
                       const Box& view)
    : FormLayout(width, height, dotsPerInchX, dotsPerInchY) {
    boxes_[static_cast<std::size_t>(Role::kChainView)] = view;
    placeInView();
}

LessonLayout::Needs FormLayout::lessonNeeds(int width, int height, double dotsPerInchX,
                                            double dotsPerInchY) {
    const FormLayout form(width, height, dotsPerInchX, dotsPerInchY);
    const Box& view = form[Role::kChainView];
    LessonLayout::Needs needs;
    needs.width = width;
    needs.height = height;
    needs.top = view.y;
    needs.gap = form.gapBelowView_;
    needs.panels = [=](double room) {
        return FormLayout(rounded(room), height, dotsPerInchX, dotsPerInchY).panelsHeight();
    };
    return needs;
}

int FormLayout::contentWidth(Control frame, bool withMargin) const {
    int left = kMostMargin;
    int right = 0;
    for (const Form::Entry& e : Form::entries()) {
        if (e.parent == frame) {
            left = std::min(left, (*this)[e.control].x);
            right = std::max(right, (*this)[e.control].right());
        }
    }
    return withMargin ? right + std::max(kLeastMargin, left) : right + kBorder;
}

void FormLayout::standPanelsAtTheBottom(int width, int height) {
    Box& view = boxes_[static_cast<std::size_t>(Role::kChainView)];
    std::vector<Control> panels;
    int top = std::numeric_limits<int>::max();
    for (const Form::Entry& e : Form::entries()) {
        if (e.placement == Form::Placement::Window && e.control != Role::kChainView) {
            panels.push_back(e.control);
            top = std::min(top, (*this)[e.control].y);
        }
    }
    // The gaps of the design: between the view and the panels, and between two columns.
    const int gapBelowView = top - (view.y + view.height);
    const int columnGap = (*this)[Role::kClearingPanel].x - (*this)[Role::kDrivePanel].right();
    const bool fits = std::all_of(panels.begin(), panels.end(), [&](Control c) {
        return controlKind(c) != ControlKind::Frame || contentWidth(c, false) <= (*this)[c].width;
    });
    int panelsHeight = height - top;
    if (!fits) {
        // The columns flow into rows across the width, each frame at least as wide as what it
        // holds, as on the page.
        const PanelFlow flow(
            panelColumns(),
            [&](Control c) -> PanelFlow::Size {
                const Box& box = (*this)[c];
                const int w = controlKind(c) == ControlKind::Frame
                                  ? std::max(box.width, contentWidth(c, true))
                                  : box.width;
                return {double(w), double(box.height)};
            },
            columnGap, width);
        for (const PanelFlow::Place& p : flow.places()) {
            boxes_[static_cast<std::size_t>(p.control)] = {rounded(p.x), rounded(p.y),
                                                           rounded(p.width), rounded(p.height)};
        }
        top = 0;
        panelsHeight = rounded(flow.height());
        panelRows_ = flow.rows();
    } else {
        // The panels' block keeps its design height from its own top.
        int bottom = 0;
        for (const Control c : panels) {
            bottom = std::max(bottom, (*this)[c].y + (*this)[c].height);
        }
        panelsHeight = bottom - top;
    }
    // The view from its top down to the panels less the gap, keeping its least height; beneath
    // that the panels stand at the bottom of the client area.
    view.height = std::max(height - panelsHeight - gapBelowView - view.y,
                           rounded(PanelFlow::leastViewHeight(height)));
    panelsHeight_ = panelsHeight;
    gapBelowView_ = gapBelowView;
    const int shift = view.y + view.height + gapBelowView - top;
    for (const Control c : panels) {
        boxes_[static_cast<std::size_t>(c)].y += shift;
    }
}

FormLayout FormLayout::design() {
    return {Form::kDesignWidth, Form::kDesignHeight, Form::kDesignDotsPerInch,
            Form::kDesignDotsPerInch};
}

FormLayout::Size FormLayout::leastClientSize(double dotsPerInchX, double dotsPerInchY,
                                             const LessonLayout::Tool& diagram,
                                             const LessonLayout::Tool& instruction, Size screen) {
    // The panels in one row at the narrowest; where that is too large for the screen, in two
    // rows, as narrow as leaves the screen's height enough with a tools' column beside the view.
    constexpr int kStep = 8;
    const int tall = Form::kDesignHeight * 2;
    const auto narrowest = [&](int rows) {
        int width = Form::kDesignWidth;
        while (width > kStep &&
               FormLayout(width - kStep, tall, dotsPerInchX, dotsPerInchY).panelRows() <= rows) {
            width -= kStep;
        }
        return width;
    };
    const auto leastAt = [&](int width) {
        LessonLayout::Needs needs = lessonNeeds(width, tall, dotsPerInchX, dotsPerInchY);
        needs.diagram = diagram;
        needs.instruction = instruction;
        return Size{width, rounded(std::ceil(LessonLayout::leastHeight(needs)))};
    };
    const int oneRow = narrowest(1);
    Size least = leastAt(oneRow);
    if (least.width <= screen.width && least.height <= screen.height) {
        return least;
    }
    // A frame at its narrowest may take another line of its contents: a little wider, the
    // panels may be lower.
    for (int width = oneRow + kStep; width <= std::min(screen.width, Form::kDesignWidth);
         width += kStep) {
        const Size here = leastAt(width);
        if (here.height <= screen.height) {
            return here;
        }
    }
    // Too low a screen keeps the one row, which needs the least height; too narrow a one takes
    // two rows.
    if (least.width > screen.width) {
        least = {};
    }
    for (int width = narrowest(2); width < oneRow; width += kStep) {
        const Size here = leastAt(width);
        if (here.height <= screen.height) {
            return here;
        }
        if (least.height == 0 || here.height < least.height) {
            least = here;
        }
    }
    return least;
}

std::vector<FormLayout::Column> FormLayout::panelColumns() const {
    std::vector<Control> children;
    for (const Form::Entry& e : Form::entries()) {
        if (e.placement == Form::Placement::Window && e.control != Role::kChainView) {
            children.push_back(e.control);
        }
    }
    const auto byLeft = [&](Control a, Control b) { return (*this)[a].x < (*this)[b].x; };
    std::stable_sort(children.begin(), children.end(), byLeft);
    std::vector<std::vector<Control>> groups;
    int groupRight = 0;
    for (const Control c : children) {
        if (groups.empty() || (*this)[c].x >= groupRight) {
            groups.emplace_back();
            groupRight = 0;
        }
        groups.back().push_back(c);
        groupRight = std::max(groupRight, (*this)[c].right());
    }
    std::vector<Column> columns;
    for (std::vector<Control>& group : groups) {
        std::stable_sort(group.begin(), group.end(),
                         [&](Control a, Control b) { return (*this)[a].y < (*this)[b].y; });
        Column& column = columns.emplace_back();
        for (const Control c : group) {
            if (column.empty() || (*this)[column.back().front()].y != (*this)[c].y) {
                column.emplace_back();
            }
            column.back().push_back(c);
        }
        for (Row& row : column) {
            std::stable_sort(row.begin(), row.end(), byLeft);
        }
    }
    return columns;
}

int FormLayout::viewX(double x) const {
    const Box& view = (*this)[Role::kChainView];
    return UserScale::toPixel(x, 0, view.width, view.height).x;
}

int FormLayout::viewY(double y) const {
    const Box& view = (*this)[Role::kChainView];
    return UserScale::toPixel(0, y, view.width, view.height).y;
}
