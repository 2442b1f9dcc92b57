#include "web/page_form.h"

#include "core/chain_constants.h"
#include "instrument/form.h"
#include "instrument/form_layout.h"
#include "web/json_text.h"
#include "web/page_texts.h"

#include <algorithm>
#include <array>

namespace {

std::string_view kindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::Window:
        return "Window";
    case ControlKind::View:
        return "View";
    case ControlKind::Frame:
        return "Frame";
    case ControlKind::Button:
        return "Button";
    case ControlKind::Label:
        return "Label";
    case ControlKind::TextBox:
        return "TextBox";
    case ControlKind::ScrollBar:
        return "ScrollBar";
    case ControlKind::Option:
        return "Option";
    case ControlKind::Pointer:
        return "Pointer";
    }
    return "";
}

std::string_view lookName(Form::Look look) {
    switch (look) {
    case Form::Look::Plain:
        return "Plain";
    case Form::Look::Indicator:
        return "Indicator";
    case Form::Look::Centred:
        return "Centred";
    case Form::Look::InViewLabel:
        return "InViewLabel";
    }
    return "";
}

// Where a finger is the main pointer (a tablet), every button, option, scroll bar and box of the
// panels is 50 pixels of the design high, about 40 CSS pixels where a tablet's 1280 x 800 scales
// the window to 0.82, in the same frames; the rows spread into the room the frames have beneath
// them. A height of 0 keeps the form's.
struct FingerPlace {
    Control control;
    int top;
    int height;
};

constexpr std::array kFingerPlaces{
    FingerPlace{Role::kAmplitudeBar, 22, 50},       FingerPlace{Role::kAmplitudeReadout, 22, 50},
    FingerPlace{Role::kAmplitudeName, 74, 0},       FingerPlace{Role::kPeriodBar, 98, 50},
    FingerPlace{Role::kPeriodReadout, 98, 50},      FingerPlace{Role::kPeriodName, 150, 22},
    FingerPlace{Role::kDriveSwitch, 176, 50},       FingerPlace{Role::kDriveState, 176, 50},
    FingerPlace{Role::kHandHint, 236, 60},          FingerPlace{Role::kClearAll, 24, 50},
    FingerPlace{Role::kHaltButton, 24, 50},         FingerPlace{Role::kClockReadout, 24, 50},
    FingerPlace{Role::kSpeedBar, 24, 50},           FingerPlace{Role::kClearVelocities, 82, 50},
    FingerPlace{Role::kClearDisplacements, 82, 50}, FingerPlace{Role::kClockSwitch, 82, 50},
    FingerPlace{Role::kSpeedName, 82, 0},           FingerPlace{Role::kDampingSwitch, 24, 50},
    FingerPlace{Role::kRefractionSwitch, 24, 50},   FingerPlace{Role::kObstacleSwitch, 24, 50},
    FingerPlace{Role::kDampingIndicator, 36, 0},    FingerPlace{Role::kRefractionIndicator, 36, 0},
    FingerPlace{Role::kObstacleIndicator, 36, 0},   FingerPlace{Role::kTorsionOption, 34, 50},
    FingerPlace{Role::kPendulumOption, 96, 50},
};

// The place in the Tab order, from 1; 0 for a control the Tab key passes by.
int tabPosition(Control control) {
    const auto order = Form::focusOrder();
    const auto found = std::find(order.begin(), order.end(), control);
    return found == order.end() ? 0 : static_cast<int>(found - order.begin()) + 1;
}

void writeControl(JsonText& json, const Form::Entry& e, const FormLayout& layout) {
    const FormLayout::Box& box = layout[e.control];
    json.beginObject()
        .key("name")
        .value(controlName(e.control))
        .key("kind")
        .value(kindName(controlKind(e.control)))
        .key("parent")
        .value(controlName(e.parent))
        .key("box")
        .beginArray()
        .value(box.x)
        .value(box.y)
        .value(box.width)
        .value(box.height)
        .endArray()
        .key("points")
        .value(Form::pointsOf(e.font))
        .key("look")
        .value(lookName(e.look))
        .key("accessibleName")
        .value(e.accessibleName)
        .key("shownBy")
        .value(e.shownBy == Role::kWindow ? std::string_view() : controlName(e.shownBy))
        .key("toggle")
        .value(e.toggle)
        .key("readOnly")
        .value(e.readOnly)
        .key("tab")
        .value(tabPosition(e.control));
    const auto finger = std::find_if(kFingerPlaces.begin(), kFingerPlaces.end(),
                                     [&](const FingerPlace& f) { return f.control == e.control; });
    if (finger != kFingerPlaces.end()) {
        json.key("finger").beginObject().key("top").value(finger->top);
        if (finger->height > 0) {
            json.key("height").value(finger->height);
        }
        json.endObject();
    }
    json.endObject();
}

} // namespace

namespace PageForm {

std::string json() {
    const FormLayout layout = FormLayout::design();
    const Form::Entry& window = Form::entry(Role::kWindow);
    JsonText json;
    json.beginObject()
        .key("window")
        .beginObject()
        .key("name")
        .value(controlName(Role::kWindow))
        .key("width")
        .value(Form::kDesignWidth)
        .key("height")
        .value(Form::kDesignHeight)
        .key("points")
        .value(Form::pointsOf(window.font))
        .endObject();
    json.key("controls").beginArray();
    for (const Form::Entry& e : Form::entries()) {
        writeControl(json, e, layout);
    }
    json.endArray();
    json.key("viewDescription")
        .value(Form::viewDescription())
        .key("passesPerSecond")
        .value(Chain::kPassesPerSecond)
        .key("failure")
        .value(PageTexts::kFailure)
        .endObject();
    return json.text();
}

} // namespace PageForm
