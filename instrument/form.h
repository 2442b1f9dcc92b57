#pragma once

#include "instrument/control.h"

#include <array>
#include <span>
#include <string_view>

// The main window's form, free of any toolkit: for every control its kind (see Control), the
// container it sits in, where it goes and in which units, its font, its look, its accessible
// name and description, its place in the keyboard's focus order and whether it takes typing.
// Both editions build their controls from this table and from nothing else; captions, colours,
// visibility and the scroll bars' settings are the handlers' (see Panels).
namespace Form {

// The two sizes of "MS Sans Serif" on the form.
enum class Font { Normal, Large };
inline constexpr double kNormalPoints = 8.25;
inline constexpr double kLargePoints = 9.75;
constexpr double pointsOf(Font font) {
    return font == Font::Large ? kLargePoints : kNormalPoints;
}

// How a control's place is given.
enum class Placement {
    // A child of the window, in window units (4000 x 3000 over its client area): Top, Width and
    // Height as given, Left as given or by `leftRule`.
    Window,
    // In a frame or in the chain view: Left, Top, Width and Height in fixed units (1/1440 inch)
    // from the container's top-left corner.
    Fixed,
    // A label in the chain view: Width and Height in fixed units, Left and Top at the point
    // (left, top) of the view's user coordinates.
    InView,
};

// Where a window child's Left comes from. Each column of panels starts at the right edge of the
// one before it as read back from the control, after the snap to whole pixels.
enum class LeftRule { Given, AfterRightOf, SameLeftAs };

// How a control looks beyond its kind.
enum class Look {
    Plain,
    Indicator,  // a label with a single-line border and a back colour of its own
    Centred,    // a label whose text is centred
    InViewLabel // a label in the chain view: opaque on the surface colour, the pointer goes through
};

struct Entry {
    Control control;
    Control parent; // Ondix15 for the window's children
    Placement placement;
    double left;
    double top;
    double width;
    double height;
    LeftRule leftRule = LeftRule::Given;
    Control leftOf = Control::Ondix15; // with AfterRightOf and SameLeftAs
    Font font = Font::Normal;
    Look look = Look::Plain;
    // What a screen reader calls the control where its caption does not say what it is for.
    std::string_view accessibleName = {};
    // The control whose text tells this one's state or value: a switch's indicator (spoken as the
    // switch's description) or a scroll bar's read-out (spoken as the bar's value). The window
    // stands for none.
    Control shownBy = Control::Ondix15;
    // A button that stays on or off: its pressed state is its check among the panels.
    bool toggle = false;
    // Read-outs show what the program writes; typing into them changes nothing, so they take
    // none.
    bool readOnly = false;
};

// Neighbouring columns of panels are this many window units apart.
inline constexpr double kColumnGap = 20;

// The window's client area at its design size, in pixels at 96 dots an inch: the page takes its
// controls' boxes and its flow's columns from this size and scales them by its panel scale; the
// desktop window is laid out at the size of the screen it fills. The design size is the client area
// of the window on a screen of 1280 x 1024, as a window system with a thin frame leaves it.
inline constexpr int kDesignWidth = 1276;
inline constexpr int kDesignHeight = 979;
inline constexpr double kDesignDotsPerInch = 96;

// Every control of the window but the window itself, each container before what it holds.
std::span<const Entry> entries();
// The width of a control's box in the language in use, in its entry's units: the entry's own,
// which was made for the German caption, or wider where another language's caption needs it.
double width(const Entry& e);
// The entry of one control; the window's own is a Window entry over the whole client area.
const Entry& entry(Control control);
// The control whose state or value this one's text shows (the reverse of Entry::shownBy); the
// window where it shows none.
Control showing(Control control);
// The keyboard's focus order, in reading order from the chain view on. The options of one frame
// are one stop of the Tab key, and the arrow keys move between them.
std::span<const Control> focusOrder();
// The chain view's accessible description and tooltip: the keys and fingers it takes.
std::string_view viewDescription();

} // namespace Form
