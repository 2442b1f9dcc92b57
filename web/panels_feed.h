#pragma once

#include "instrument/control.h"
#include "instrument/form_layout.h"
#include "instrument/panels.h"

#include <array>
#include <string>

class JsonText;

// The panels' state as the page shows it: told of every change the handlers make, it hands the
// page each changed control once, as a plain object of what the control shows (caption,
// visibility, check, back colour, a scroll bar's settings and its value as its read-out shows
// it, a place in the chain view in pixels of the design), in one JSON array.
class PanelsFeed {
public:
    // Watches `panels`, every control counted as changed.
    explicit PanelsFeed(const Panels& panels);

    // The controls changed since the last call, each once, and their marks cleared.
    std::string takeChanges();
    // Every control as takeChanges would give it, the marks left as they are: what the page
    // must show once it has taken every change (for the page's tests).
    std::string allControls() const;
    // Shows the control again at the next take, whatever the panels say changed: after the
    // browser changed what it shows by itself (a click checks an option).
    void markChanged(Control control) { changed_[index(control)] = true; }

private:
    void write(JsonText& json, Control control) const;
    static std::size_t index(Control control) { return static_cast<std::size_t>(control); }

    const Panels& panels_;
    const FormLayout layout_ = FormLayout::design();
    std::array<bool, kControlCount> changed_{};
    // Placed by a handler: until then a control stays where the form puts it.
    std::array<bool, kControlCount> placed_{};
};
