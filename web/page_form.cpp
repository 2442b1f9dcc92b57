#include "web/page_form.h"

#include "instrument/form.h"
#include "instrument/form_layout.h"
#include "instrument/panel_flow.h"
#include "language/language.h"
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

// A look by the name of its class in the page's style sheet.
std::string_view lookName(Form::Look look) {
    switch (look) {
    case Form::Look::Plain:
        return "plain";
    case Form::Look::Indicator:
        return "indicator";
    case Form::Look::Centred:
        return "centred";
    case Form::Look::InViewLabel:
        return "in-view";
    }
    return "";
}

// The controls the page's scripts treat apart from their kind, by the role the scripts know
// them by: the window and the view they lay out, the button that opens the time diagram's strip.
std::string_view pageRole(Control control) {
    if (control == Role::kWindow) {
        return "window";
    }
    if (control == Role::kChainView) {
        return "view";
    }
    if (control == Role::kDiagramButton) {
        return "diagram";
    }
    return "";
}

// Where a finger is the main pointer (a tablet, a phone), every button, option, scroll bar and
// box of the panels is a finger's target (PageForm::kFingerTarget, 44) pixels of the design high,
// 48 CSS pixels at the page's smallest panel scale (a scroll bar's thumb 44 inside its borders),
// and each scroll bar 200 wide, with room for arrows and a thumb of a finger's width; the read-outs
// move beside the longer bars. A value of 0 keeps the form's.
struct FingerPlace {
    Control control;
    int left;
    int top;
    int width;
    int height;
};

constexpr int kFinger = PageForm::kFingerTarget;
constexpr std::array kFingerPlaces{
    FingerPlace{Role::kAmplitudeBar, 0, 22, 200, kFinger},
    FingerPlace{Role::kAmplitudeReadout, 224, 22, 0, kFinger},
    FingerPlace{Role::kAmplitudeName, 0, 68, 0, 0},
    FingerPlace{Role::kPeriodBar, 0, 88, 200, kFinger},
    FingerPlace{Role::kPeriodReadout, 224, 88, 0, kFinger},
    FingerPlace{Role::kPeriodName, 0, 134, 0, 22},
    FingerPlace{Role::kDriveSwitch, 0, 158, 200, kFinger},
    FingerPlace{Role::kDriveState, 224, 158, 0, kFinger},
    FingerPlace{Role::kPulseButton, 280, 158, 0, kFinger},
    FingerPlace{Role::kHandHint, 0, 206, 0, 60},
    FingerPlace{Role::kClearAll, 0, 24, 0, kFinger},
    FingerPlace{Role::kHaltButton, 0, 24, 0, kFinger},
    FingerPlace{Role::kStepButton, 0, 24, 0, kFinger},
    FingerPlace{Role::kSnapshotButton, 0, 76, 0, kFinger},
    FingerPlace{Role::kStartButton, 0, 274, 0, kFinger},
    FingerPlace{Role::kSaveImageButton, 0, 274, 0, kFinger},
    FingerPlace{Role::kSaveSamplesButton, 0, 274, 0, kFinger},
    FingerPlace{Role::kExperimentsButton, 0, 128, 0, kFinger},
    FingerPlace{Role::kClockReadout, 0, 24, 0, kFinger},
    FingerPlace{Role::kSpeedBar, 0, 24, 200, kFinger},
    FingerPlace{Role::kClearVelocities, 0, 76, 0, kFinger},
    FingerPlace{Role::kClearDisplacements, 0, 76, 0, kFinger},
    FingerPlace{Role::kClockSwitch, 0, 76, 0, kFinger},
    FingerPlace{Role::kSpeedName, 0, 76, 200, kFinger},
    FingerPlace{Role::kDiagramButton, 0, 128, 200, kFinger},
    FingerPlace{Role::kDampingSwitch, 0, 20, 0, kFinger},
    FingerPlace{Role::kRefractionSwitch, 0, 20, 0, kFinger},
    FingerPlace{Role::kObstacleSwitch, 0, 20, 0, kFinger},
    FingerPlace{Role::kDampingIndicator, 0, 29, 0, 0},
    FingerPlace{Role::kRefractionIndicator, 0, 29, 0, 0},
    FingerPlace{Role::kObstacleIndicator, 0, 29, 0, 0},
    FingerPlace{Role::kTorsionOption, 0, 30, 0, kFinger},
    FingerPlace{Role::kPendulumOption, 0, 80, 0, kFinger},
};

const FingerPlace* fingerPlace(Control control) {
    const auto found = std::find_if(kFingerPlaces.begin(), kFingerPlaces.end(),
                                    [&](const FingerPlace& f) { return f.control == control; });
    return found == kFingerPlaces.end() ? nullptr : &*found;
}

// A control's box in a frame, with `finger` where a finger is the pointer.
FormLayout::Box boxOf(const FormLayout& layout, Control control, bool finger) {
    FormLayout::Box box = layout[control];
    const FingerPlace* f = finger ? fingerPlace(control) : nullptr;
    if (f != nullptr) {
        box = {f->left > 0 ? f->left : box.x, f->top, f->width > 0 ? f->width : box.width,
               f->height > 0 ? f->height : box.height};
    }
    return box;
}

// On the page a frame is as large as what it holds: its controls' margin from its left edge
// (at least 8 and at most 16 pixels of the design) kept on the right and beneath.
std::array<int, 2> snugSize(const FormLayout& layout, Control frame, bool finger) {
    int left = 16;
    int right = 0;
    int bottom = 0;
    for (const Form::Entry& e : Form::entries()) {
        if (e.parent == frame) {
            const FormLayout::Box box = boxOf(layout, e.control, finger);
            left = std::min(left, box.x);
            right = std::max(right, box.right());
            bottom = std::max(bottom, box.y + box.height);
        }
    }
    const int margin = std::max(8, left);
    return {right + margin, bottom + margin};
}

void writeSize(JsonText& json, std::string_view key, const std::array<int, 2>& size) {
    json.key(key).beginArray().value(size[0]).value(size[1]).endArray();
}

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
        .value(Language::translate(e.accessibleName))
        .key("shownBy")
        .value(e.shownBy == Role::kWindow ? std::string_view() : controlName(e.shownBy))
        .key("toggle")
        .value(e.toggle)
        .key("readOnly")
        .value(e.readOnly)
        .key("tab")
        .value(tabPosition(e.control));
    if (const std::string_view role = pageRole(e.control); !role.empty()) {
        json.key("role").value(role);
    }
    if (fingerPlace(e.control) != nullptr) {
        const FormLayout::Box finger = boxOf(layout, e.control, true);
        json.key("finger")
            .beginArray()
            .value(finger.x)
            .value(finger.y)
            .value(finger.width)
            .value(finger.height)
            .endArray();
    }
    if (controlKind(e.control) == ControlKind::Frame) {
        writeSize(json, "snug", snugSize(layout, e.control, false));
        writeSize(json, "fingerSnug", snugSize(layout, e.control, true));
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
        .key("role")
        .value(pageRole(Role::kWindow))
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
    // The panels' flow: columns of rows of window children, and the gap between them.
    json.key("columns").beginArray();
    for (const FormLayout::Column& column : layout.panelColumns()) {
        json.beginArray();
        for (const FormLayout::Row& row : column) {
            json.beginArray();
            for (const Control c : row) {
                json.value(controlName(c));
            }
            json.endArray();
        }
        json.endArray();
    }
    json.endArray();
    json.key("gap")
        .value(layout[Role::kClearingPanel].x - layout[Role::kDrivePanel].right())
        .key("viewDescription")
        .value(Form::viewDescription())
        .key("failure")
        .value(Language::translate(PageTexts::kFailure))
        .key("close")
        .value(Language::translate(PageTexts::kClose))
        .key("ok")
        .value(Language::translate(PageTexts::kOk))
        .key("finger")
        .value(PageForm::kFingerTarget)
        .key("language")
        .value(Language::current())
        .key("setupLink")
        .beginObject()
        .key("button")
        .value(Language::translate(PageTexts::kSetupLink))
        .key("copied")
        .value(Language::translate(PageTexts::kLinkCopied))
        .key("toCopy")
        .value(Language::translate(PageTexts::kLinkToCopy))
        .endObject()
        .endObject();
    return json.text();
}

PanelFlow flow(double room, bool finger) {
    const FormLayout layout = FormLayout::design();
    const auto sizeOf = [&](Control control) -> PanelFlow::Size {
        if (controlKind(control) == ControlKind::Frame) {
            const std::array<int, 2> size = snugSize(layout, control, finger);
            return {double(size[0]), double(size[1])};
        }
        return {double(layout[control].width), double(layout[control].height)};
    };
    const double gap = layout[Role::kClearingPanel].x - layout[Role::kDrivePanel].right();
    return PanelFlow(layout.panelColumns(), sizeOf, gap, room);
}

double gap() {
    const FormLayout layout = FormLayout::design();
    return layout[Role::kClearingPanel].x - layout[Role::kDrivePanel].right();
}

std::string flowJson(double room, bool finger) {
    const PanelFlow flow = PageForm::flow(room, finger);
    JsonText json;
    json.beginObject().key("width").value(flow.width()).key("height").value(flow.height());
    json.key("places").beginArray();
    for (const PanelFlow::Place& p : flow.places()) {
        json.beginArray()
            .value(controlName(p.control))
            .value(p.x)
            .value(p.y)
            .value(p.width)
            .value(p.height)
            .endArray();
    }
    json.endArray().endObject();
    return json.text();
}

} // namespace PageForm
