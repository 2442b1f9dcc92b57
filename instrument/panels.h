#pragma once

#include "core/chain_constants.h"
#include "instrument/control.h"

#include <array>
#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// A scroll bar's value for a quantity it sets: the quantity times the bar's scale.
inline int barValue(double quantity, double scale) {
    return static_cast<int>(std::lround(quantity * scale));
}

// What the window shows of every control, free of any toolkit: caption (or text, or title),
// back colour, visibility, whether it takes input, the check of an option, a scroll bar's range and
// value, and for the tape's read-out and the keyboard pointer a place in the chain's user units.
// The handlers change it; a front end shows it, told of each change as it is made, so a handler
// that runs the chain inside itself has its captions on the screen first.
class Panels {
public:
    enum class Aspect { Caption, Back, Visible, Enabled, Checked, Range, Value, Place };

    struct ScrollRange {
        int minimum = 0;
        int maximum = 0;
        int smallChange = 1;
        int largeChange = 1;
        bool operator==(const ScrollRange&) const = default;
    };

    struct State {
        std::string caption;
        std::optional<Chain::Rgb> back; // none: the front end's own colour
        bool visible = true;
        bool enabled = true; // takes clicks and the focus
        bool checked = false;
        ScrollRange range;
        int value = 0;
        float x = 0; // the place, in user units
        float y = 0;
    };

    using Observer = std::function<void(Control, Aspect)>;

    // Number text in read-outs uses `decimalSeparator` (see ReadOutText).
    explicit Panels(std::string decimalSeparator = ",");

    const State& operator[](Control control) const { return states_[index(control)]; }
    const std::string& caption(Control control) const { return (*this)[control].caption; }
    int value(Control control) const { return (*this)[control].value; }
    std::string_view decimalSeparator() const { return decimalSeparator_; }

    // One front end watches; it is told after each change. Watching changes nothing that is
    // shown, so a front end needs no more than a read-only view to do it.
    void observe(Observer observer) const { observer_ = std::move(observer); }

    void setCaption(Control control, std::string_view caption);
    void setBack(Control control, Chain::Rgb colour);
    void setVisible(Control control, bool visible);
    void setEnabled(Control control, bool enabled);
    void setChecked(Control control, bool checked);
    void setRange(Control control, const ScrollRange& range);
    void setValue(Control control, int value);
    void setPlace(Control control, float x, float y);

    // Everything every control shows, as one value.
    using Look = std::array<State, kControlCount>;
    const Look& look() const { return states_; }
    // Every control but those `kept` shown as `look` has it; the watcher told of each aspect
    // that changes, as by the setters.
    void show(const Look& look, bool (*kept)(Control));

    // What the student put in by hand, in the front end already: a scroll bar's new value.
    // Nobody is told.
    void enterValue(Control control, int value) { states_[index(control)].value = value; }

private:
    static std::size_t index(Control control) { return static_cast<std::size_t>(control); }
    void changed(Control control, Aspect aspect) {
        if (observer_) {
            observer_(control, aspect);
        }
    }

    std::array<State, kControlCount> states_;
    std::string decimalSeparator_;
    mutable Observer observer_;
};
