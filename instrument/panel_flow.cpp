#include "instrument/panel_flow.h"

#include <algorithm>

namespace {

struct Column {
    double width = 0;
    double height = 0;
    std::vector<PanelFlow::Place> places; // from the column's top-left corner
};

// A column's children at their sizes: its rows one beneath the other, or with `inLine` all of
// them side by side.
Column column(const FormLayout::Column& rows, const PanelFlow::SizeOf& sizeOf, double gap,
              bool inLine) {
    Column c;
    double left = 0;
    double top = 0;
    double rowHeight = 0;
    for (const FormLayout::Row& row : rows) {
        for (const Control control : row) {
            const PanelFlow::Size size = sizeOf(control);
            c.places.push_back({control, left, top, size.width, size.height});
            left += size.width + gap;
            rowHeight = std::max(rowHeight, size.height);
        }
        c.width = std::max(c.width, left - gap);
        if (!inLine) {
            top += rowHeight + gap;
            left = 0;
            rowHeight = 0;
        }
    }
    c.height = inLine ? rowHeight : top - gap;
    return c;
}

} // namespace

PanelFlow::PanelFlow(const std::vector<FormLayout::Column>& columns, const SizeOf& sizeOf,
                     double gap, double room) {
    struct Row {
        std::vector<Column> columns;
        double width = 0;
        double height = 0;
        const FormLayout::Column* alone = nullptr; // the one column of the row, while alone
    };
    std::vector<Row> rows;
    for (const FormLayout::Column& children : columns) {
        Column c = column(children, sizeOf, gap, false);
        if (!rows.empty() && rows.back().width + gap + c.width <= room) {
            Row& row = rows.back();
            row.width += gap + c.width;
            row.height = std::max(row.height, c.height);
            row.columns.push_back(std::move(c));
            row.alone = nullptr;
        } else {
            const double width = c.width;
            const double height = c.height;
            rows.push_back({{std::move(c)}, width, height, &children});
        }
    }
    double top = 0;
    for (Row& row : rows) {
        if (row.alone != nullptr) {
            Column inLine = column(*row.alone, sizeOf, gap, true);
            if (inLine.width <= room && inLine.height < row.height) {
                row.width = inLine.width;
                row.height = inLine.height;
                row.columns = {std::move(inLine)};
            }
        }
        double left = (room - row.width) / 2;
        for (const Column& c : row.columns) {
            for (const Place& p : c.places) {
                places_.push_back({p.control, left + p.x, top + p.y, p.width, p.height});
            }
            left += c.width + gap;
        }
        width_ = std::max(width_, row.width);
        top += row.height + gap;
    }
    rows_ = static_cast<int>(rows.size());
    height_ = rows.empty() ? 0 : top - gap;
}

double PanelFlow::leastViewHeight(double height) {
    return std::max(120.0, height / 5);
}
