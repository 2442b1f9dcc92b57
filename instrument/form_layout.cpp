#include "instrument/form_layout.h"

#include "instrument/form.h"
#include "picture/user_scale.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kTwipsPerInch = 1440;
constexpr double kWindowUnitsX = 4000;
constexpr double kWindowUnitsY = 3000;

int rounded(double value) {
    return static_cast<int>(std::lround(value));
}

} // namespace

FormLayout::FormLayout(int width, int height, double dotsPerInchX, double dotsPerInchY) {
    boxes_[static_cast<std::size_t>(Role::kWindow)] = {0, 0, width, height};
    // The window scale, each of Left, Top, Width and Height snapped to whole pixels on its own;
    // read back, pixels become units again.
    const auto windowX = [&](double units) { return rounded(units * width / kWindowUnitsX); };
    const auto windowY = [&](double units) { return rounded(units * height / kWindowUnitsY); };
    const auto unitsX = [&](int pixels) {
        return width > 0 ? pixels * kWindowUnitsX / width : 0.0;
    };
    const auto twipsX = [&](double twips) { return rounded(twips * dotsPerInchX / kTwipsPerInch); };
    const auto twipsY = [&](double twips) { return rounded(twips * dotsPerInchY / kTwipsPerInch); };

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
        box.width = windowX(e.width);
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
        }
    }
    for (const Form::Entry& e : Form::entries()) {
        Box& box = boxes_[static_cast<std::size_t>(e.control)];
        if (e.placement == Form::Placement::Fixed) {
            box = {twipsX(e.left), twipsY(e.top), twipsX(e.width), twipsY(e.height)};
        } else if (e.placement == Form::Placement::InView) {
            box = {viewX(e.left), viewY(e.top), twipsX(e.width), twipsY(e.height)};
        }
    }
}

FormLayout FormLayout::design() {
    return {Form::kDesignWidth, Form::kDesignHeight, Form::kDesignDotsPerInch,
            Form::kDesignDotsPerInch};
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
