#include "web/browser_input.h"

#include "instrument/input_codes.h"
#include "instrument/instrument.h"
#include "picture/user_scale.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

namespace {

// PointerEvent.button: 0 the main button, 1 the middle one, 2 the secondary one; -1 none changed.
int buttonCodeOf(int button) {
    return InputCodes::buttonCode(button == 0, button == 2, button == 1);
}

// PointerEvent.buttons: one bit a button held, 1 main, 2 secondary, 4 middle.
int heldButtonsCodeOf(int buttons) {
    return InputCodes::buttonCode((buttons & 1) != 0, (buttons & 2) != 0, (buttons & 4) != 0);
}

int shiftCodeOf(bool shift, bool ctrl, bool alt) {
    return InputCodes::shiftCode(shift, ctrl, alt);
}

} // namespace

BrowserInput::BrowserInput(Instrument& instrument) : instrument_(instrument) {}

bool BrowserInput::reachesView(std::string_view key) {
    static constexpr std::array<std::string_view, 6> kLeftToTheBrowser{"Tab", "Shift", "Control",
                                                                       "Alt", "Meta",  "AltGraph"};
    return std::find(kLeftToTheBrowser.begin(), kLeftToTheBrowser.end(), key) ==
           kLeftToTheBrowser.end();
}

ChainKeys::Key BrowserInput::keyOf(std::string_view key) {
    using Key = ChainKeys::Key;
    static constexpr std::array<std::pair<std::string_view, Key>, 13> kKeys{{
        {"ArrowUp", Key::Up},
        {"ArrowDown", Key::Down},
        {"ArrowLeft", Key::Left},
        {"ArrowRight", Key::Right},
        {"Enter", Key::Enter},
        {" ", Key::Space},
        {"m", Key::M},
        {"M", Key::M},
        {"Escape", Key::Escape},
        {"s", Key::S},
        {"S", Key::S},
        {"d", Key::D},
        {"D", Key::D},
    }};
    for (const auto& [name, code] : kKeys) {
        if (name == key) {
            return code;
        }
    }
    return Key::Other;
}

bool BrowserInput::keyDown(std::string_view key, bool shift, bool ctrl, bool alt) {
    if (!reachesView(key)) {
        return false;
    }
    return instrument_.keyPress(keyOf(key), shiftCodeOf(shift, ctrl, alt));
}

void BrowserInput::keyUp(std::string_view key, bool shift, bool ctrl, bool alt) {
    if (!reachesView(key)) {
        return;
    }
    // A browser sends no keyup for the repeats of a held key: every keyup is a release.
    instrument_.keyRelease(keyOf(key), shiftCodeOf(shift, ctrl, alt), false);
}

void BrowserInput::focusLost() {
    instrument_.focusLost();
}

void BrowserInput::pointer(const PointerEvent& event, int width, int height, int dragDistance) {
    if (event.pointerType == "touch") {
        finger(event, width, height, dragDistance);
    } else {
        // A pen, like a touch pad, is a mouse here.
        mouse(event, width, height);
    }
}

void BrowserInput::mouse(const PointerEvent& event, int width, int height) {
    using Pointer = Instrument::Pointer;
    Pointer kind = Pointer::Move;
    int button = heldButtonsCodeOf(event.buttons);
    if (event.type == "pointerdown") {
        kind = Pointer::Press;
        button = buttonCodeOf(event.button);
    } else if (event.type == "pointerup") {
        kind = Pointer::Release;
        button = buttonCodeOf(event.button);
    } else if (event.type != "pointermove") {
        return; // a cancelled mouse leaves the buttons as they are
    } else if (event.button >= 0) {
        // A second button pressed or released while another is held comes as a move.
        button = buttonCodeOf(event.button);
        kind = (heldButtonsCodeOf(event.buttons) & button) != 0 ? Pointer::Press : Pointer::Release;
    }
    instrument_.pointer(kind, button, shiftCodeOf(event.shift, event.ctrl, event.alt),
                        UserScale::toUserX(event.x, width), UserScale::toUserY(event.y, height));
}

void BrowserInput::finger(const PointerEvent& event, int width, int height, int dragDistance) {
    using Type = ChainTouch::Type;
    using State = ChainTouch::Point::State;
    const auto known = std::find(fingers_.begin(), fingers_.end(), event.id);
    Type type = Type::Update;
    State state = State::Moved;
    if (event.type == "pointerdown") {
        type = fingers_.empty() ? Type::Begin : Type::Update;
        state = State::Pressed;
        if (known == fingers_.end()) {
            fingers_.push_back(event.id);
        }
    } else if (event.type == "pointerup") {
        if (known != fingers_.end()) {
            fingers_.erase(known);
        }
        type = fingers_.empty() ? Type::End : Type::Update;
        state = State::Released;
    } else if (event.type == "pointercancel") {
        fingers_.clear();
        type = Type::Cancel;
        state = State::Released;
    } else if (event.type != "pointermove" || known == fingers_.end()) {
        return; // a finger that came down elsewhere
    }
    const ChainTouch::Point point{event.id, state, event.x, event.y};
    instrument_.touch(type, {&point, 1}, static_cast<std::uint64_t>(event.timeStamp),
                      {width, height, dragDistance});
}
