#include "instrument/panels.h"

Panels::Panels(std::string decimalSeparator) : decimalSeparator_(std::move(decimalSeparator)) {}

void Panels::setCaption(Control control, std::string_view caption) {
    states_[index(control)].caption = caption;
    changed(control, Aspect::Caption);
}

void Panels::setBack(Control control, Chain::Rgb colour) {
    states_[index(control)].back = colour;
    changed(control, Aspect::Back);
}

void Panels::setVisible(Control control, bool visible) {
    states_[index(control)].visible = visible;
    changed(control, Aspect::Visible);
}

void Panels::setEnabled(Control control, bool enabled) {
    states_[index(control)].enabled = enabled;
    changed(control, Aspect::Enabled);
}

void Panels::setChecked(Control control, bool checked) {
    states_[index(control)].checked = checked;
    changed(control, Aspect::Checked);
}

void Panels::setRange(Control control, const ScrollRange& range) {
    states_[index(control)].range = range;
    changed(control, Aspect::Range);
}

void Panels::setValue(Control control, int value) {
    states_[index(control)].value = value;
    changed(control, Aspect::Value);
}

void Panels::setPlace(Control control, float x, float y) {
    State& state = states_[index(control)];
    state.x = x;
    state.y = y;
    changed(control, Aspect::Place);
}

void Panels::show(const Look& look, bool (*kept)(Control)) {
    for (int i = 0; i < kControlCount; ++i) {
        const auto control = static_cast<Control>(i);
        if (kept(control)) {
            continue;
        }
        State& now = states_[index(control)];
        const State& shown = look[index(control)];
        const auto take = [&](auto State::*field, Aspect aspect) {
            if (now.*field != shown.*field) {
                now.*field = shown.*field;
                changed(control, aspect);
            }
        };
        // Hidden before its caption changes, so that a read-out put away is not read out.
        take(&State::visible, Aspect::Visible);
        take(&State::caption, Aspect::Caption);
        take(&State::back, Aspect::Back);
        take(&State::enabled, Aspect::Enabled);
        take(&State::checked, Aspect::Checked);
        take(&State::range, Aspect::Range);
        take(&State::value, Aspect::Value);
        if (now.x != shown.x || now.y != shown.y) {
            now.x = shown.x;
            now.y = shown.y;
            changed(control, Aspect::Place);
        }
    }
}
