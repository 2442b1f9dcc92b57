#include "web/page_lesson.h"

#include "instrument/lesson_layout.h"
#include "web/json_text.h"
#include "web/page_form.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

constexpr std::array<std::string_view, 5> kArrangements = {
    "Stacked", "BesideView", "BesideViewInTwo", "BesidePanels", "Scrolled"};

// A box as [x, y, width, height], never of a negative size (a window too small for the least of
// everything); null for a tool that is closed.
void box(JsonText& json, std::string_view name, const LessonLayout::Box& b, bool shown = true) {
    json.key(name);
    if (!shown) {
        json.null();
        return;
    }
    json.beginArray()
        .value(b.x)
        .value(b.y)
        .value(std::max(0.0, b.width))
        .value(std::max(0.0, b.height))
        .endArray();
}

} // namespace

namespace PageLesson {

double Measured::at(double width) const {
    if (narrowWidth <= 0 || wideWidth <= narrowWidth || width <= 0) {
        return std::max(narrowHeight, wideHeight);
    }
    // h = base + lines / width through both measures; never less than the wide one's height.
    const double lines = (narrowHeight - wideHeight) / (1 / narrowWidth - 1 / wideWidth);
    const double base = wideHeight - lines / wideWidth;
    return std::max(wideHeight, base + lines / width);
}

std::string json(const Window& w) {
    const double gap = PageForm::gap();
    LessonLayout::Needs needs;
    needs.width = w.width;
    needs.height = w.height;
    needs.top = w.top;
    needs.gap = gap * w.scale;
    // The panels' room in CSS pixels, its margins a gap at either side and one beneath, and what
    // lies beneath them; the gap above is the rule's.
    needs.panels = [&](double room) {
        return (PageForm::flow(room / w.scale - 2 * gap, w.finger).height() + gap) * w.scale +
               w.under;
    };
    needs.diagram = {w.diagram.open, w.diagram.least, w.diagram.most, {}};
    needs.instruction = {w.instruction.open, w.instruction.least, w.instruction.most,
                         [m = w.instructionWhole](double width) { return m.at(width); }};
    needs.column = w.column;
    // The diagram's bar, a finger's targets in it, fits no narrower column.
    needs.leastColumn = w.column;
    needs.mayScroll = w.mayScroll;
    const LessonLayout layout(needs);
    JsonText json;
    json.beginObject()
        .key("arrangement")
        .value(kArrangements[static_cast<std::size_t>(layout.arrangement())])
        .key("fits")
        .value(layout.fits())
        .key("contentHeight")
        .value(layout.contentHeight());
    box(json, "view", layout.view());
    box(json, "diagram", layout.diagram(), w.diagram.open);
    box(json, "instruction", layout.instruction(), w.instruction.open);
    box(json, "panels", layout.panels());
    json.endObject();
    return json.text();
}

} // namespace PageLesson
