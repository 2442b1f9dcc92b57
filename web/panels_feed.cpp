#include "web/panels_feed.h"

#include "instrument/form.h"
#include "web/canvas_pixels.h"
#include "web/json_text.h"
#include "web/page_texts.h"

PanelsFeed::PanelsFeed(const Panels& panels) : panels_(panels) {
    changed_.fill(true);
    panels.observe([this](Control control, Panels::Aspect aspect) {
        changed_[index(control)] = true;
        // A read-out's new text is its scroll bar's value as spoken.
        const Control bar = Form::showing(control);
        if (controlKind(bar) == ControlKind::ScrollBar) {
            changed_[index(bar)] = true;
        }
        if (aspect == Panels::Aspect::Place) {
            placed_[index(control)] = true;
        }
    });
}

std::string PanelsFeed::takeChanges() {
    JsonText json;
    json.beginArray();
    for (int i = 0; i < kControlCount; ++i) {
        const auto control = static_cast<Control>(i);
        if (changed_[index(control)]) {
            changed_[index(control)] = false;
            write(json, control);
        }
    }
    json.endArray();
    return json.text();
}

std::string PanelsFeed::allControls() const {
    JsonText json;
    json.beginArray();
    for (int i = 0; i < kControlCount; ++i) {
        write(json, static_cast<Control>(i));
    }
    json.endArray();
    return json.text();
}

void PanelsFeed::write(JsonText& json, Control control) const {
    const Panels::State& s = panels_[control];
    json.beginObject()
        .key("name")
        .value(controlName(control))
        .key("caption")
        .value(s.caption)
        .key("visible")
        .value(s.visible)
        .key("enabled")
        .value(s.enabled)
        .key("checked")
        .value(s.checked)
        .key("back");
    if (s.back) {
        json.value(CanvasPixels::colourText(*s.back));
    } else {
        json.null();
    }
    const ControlKind kind = controlKind(control);
    if (kind == ControlKind::ScrollBar) {
        json.key("range")
            .beginObject()
            .key("minimum")
            .value(s.range.minimum)
            .key("maximum")
            .value(s.range.maximum)
            .key("smallChange")
            .value(s.range.smallChange)
            .key("largeChange")
            .value(s.range.largeChange)
            .endObject()
            .key("value")
            .value(s.value);
        // Spoken as its read-out's text, or where it has none as its own meaning.
        const Control shownBy = Form::entry(control).shownBy;
        if (shownBy != Role::kWindow) {
            json.key("valueText").value(panels_.caption(shownBy));
        } else if (!s.caption.empty()) {
            json.key("valueText").value(s.caption);
        }
    }
    if (placed_[index(control)]) {
        // A pointer is centred on its point; anything else has its corner there.
        const FormLayout::Box& box = layout_[control];
        const bool centred = kind == ControlKind::Pointer;
        json.key("at")
            .beginArray()
            .value(layout_.viewX(s.x) - (centred ? box.width / 2 : 0))
            .value(layout_.viewY(s.y) - (centred ? box.height / 2 : 0))
            .endArray();
    }
    if (control == Role::kWindow) {
        json.key("pageTitle").value(PageTexts::pageTitle());
    }
    if (control == Role::kTapeReadout) {
        json.key("viewNameWithReading").value(PageTexts::viewNameWithReading(s.caption));
    }
    json.endObject();
}
