#include "instrument/form.h"

#include "instrument/chain_keys.h"
#include "language/language.h"

#include <algorithm>
#include <array>

namespace Form {

namespace {

using enum Control;
using enum Placement;

// A child of the window in window units, Left by a rule.
constexpr Entry windowChild(Control control, double top, double width, double height, LeftRule rule,
                            Control leftOf, Font font) {
    return {.control = control,
            .parent = Ondix15,
            .placement = Window,
            .left = 0,
            .top = top,
            .width = width,
            .height = height,
            .leftRule = rule,
            .leftOf = leftOf,
            .font = font};
}

// Every text box of the form is a read-out: it shows what the program writes and takes no
// typing, so that nothing typed is ever shown as if it were in force. It still takes the focus
// and is read by screen readers.
constexpr bool isReadOut(Control control) {
    return control == Text1 || control == Text2 || control == Text3 || control == Text4 ||
           control == Text5;
}

// A control in a frame or in the view, in fixed units.
constexpr Entry fixed(Control control, Control parent, double left, double top, double width,
                      double height, Font font = Font::Normal, Look look = Look::Plain,
                      std::string_view accessibleName = {}) {
    return {.control = control,
            .parent = parent,
            .placement = Fixed,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .font = font,
            .look = look,
            .accessibleName = accessibleName,
            .readOnly = isReadOut(control)};
}

// A label in the chain view at a point of its user coordinates, the size in fixed units.
constexpr Entry inView(Control control, double x, double y, double width) {
    return {.control = control,
            .parent = Picture1,
            .placement = InView,
            .left = x,
            .top = y,
            .width = width,
            .height = 375,
            .font = Font::Large,
            .look = Look::InViewLabel};
}

// The top row of labels in the chain view, just below its upper edge, as a single-precision
// value like every coordinate of the view.
constexpr double kTopRowY = -2.8f;

constexpr Font L = Font::Large;
constexpr Font N = Font::Normal;

// A control as a screen reader names it, with the control whose text tells its state or value.
constexpr Entry spoken(Entry e, std::string_view name, Control shownBy = Ondix15) {
    e.accessibleName = name;
    e.shownBy = shownBy;
    return e;
}

// A button that stays on or off, named for what it switches.
constexpr Entry toggle(Entry e, std::string_view name, Control indicator = Ondix15) {
    e = spoken(e, name, indicator);
    e.toggle = true;
    return e;
}

// The three medium options share one shape: an "On/Off" button and a bordered indicator of the
// option's state beside it. All three captions read alike, so each switch is named for its
// panel's caption.
constexpr Entry switchButton(Control button, Control frame, Control indicator,
                             std::string_view name) {
    return toggle(fixed(button, frame, 120, 240, 1455, 375), name, indicator);
}
constexpr Entry switchIndicator(Control indicator, Control frame) {
    return fixed(indicator, frame, 1680, 240, 615, 375, N, Look::Indicator);
}

constexpr std::array kEntries{
    // The chain view across the upper two thirds, with its labels, the tape's read-out and the
    // keyboard pointer.
    Entry{.control = Picture1,
          .parent = Ondix15,
          .placement = Window,
          .left = 0,
          .top = 2,
          .width = 4000,
          .height = 2000,
          .accessibleName = N_("Wellenmaschine")},
    inView(Label3, 1, kTopRowY, 1215),
    inView(Label4, 85, kTopRowY, 1215),
    inView(Label5, 85, 2.5f, 1335),
    inView(Label6, 1, 2.4f, 1935),
    inView(Label7, 25, kTopRowY, 615),
    inView(Label8, 75, kTopRowY, 615),
    // The clock's reading at the snapshot, on the bottom row between the mode and the loose end.
    inView(Label14, 40, 2.4f, 2775),
    fixed(Text1, Picture1, 2400, 120, 735, 375, N, Look::Plain, N_("Messband")),
    fixed(KeyboardPointer, Picture1, 0, 0, 315, 315),

    // Four columns beneath the view: the harmonic drive; clearing above clock and speed;
    // damping, refraction and the obstacle; the two buttons above the chain type.
    windowChild(Frame1, 2020, 1000, 980, LeftRule::Given, Ondix15, L),
    spoken(fixed(HScroll1, Frame1, 240, 360, 1935, 375), N_("Amplitude"), Text2),
    fixed(Label1, Frame1, 240, 720, 1815, 255, L),
    fixed(Text2, Frame1, 2280, 360, 735, 375, N, Look::Plain, N_("Amplitude")),
    spoken(fixed(HScroll2, Frame1, 240, 960, 1935, 375), N_("Periode"), Text3),
    fixed(Label2, Frame1, 240, 1320, 1815, 375, L),
    fixed(Text3, Frame1, 2280, 960, 735, 375, N, Look::Plain, N_("Periode")),
    toggle(fixed(Command7, Frame1, 240, 1560, 1935, 375, L),
           N_("Harmonische Anregung ein oder aus"), Text5),
    fixed(Text5, Frame1, 2280, 1560, 735, 375, N, Look::Plain,
          N_("Zustand der harmonischen Anregung")),
    // In the frame's free column beside the drive's state, narrow and in the small font, so that
    // it stays inside the frame on a screen 1024 pixels wide.
    spoken(fixed(Command15, Frame1, 3120, 1560, 675, 375, N),
           N_("Einen Wellenberg senden, danach Anregung aus")),
    fixed(Label13, Frame1, 240, 2040, 2655, 735, N, Look::Indicator),
    // In the frame's free room beneath the hint, in the small font: back to the start, then what
    // is taken home, the view as an image and the time diagram's samples.
    spoken(fixed(Command16, Frame1, 240, 2880, 1455, 375, N),
           N_("Alle Einstellungen wie beim Start")),
    spoken(fixed(Command18, Frame1, 1800, 2880, 855, 375, N),
           N_("Die Wellenmaschine als Bild speichern")),
    spoken(fixed(Command19, Frame1, 2760, 2880, 1035, 375, N),
           N_("Die Messwerte des Zeitdiagramms als Tabelle speichern")),

    windowChild(Frame2, 2020, 800, 320, LeftRule::AfterRightOf, Frame3, L),
    switchButton(Command9, Frame2, Label9, N_("Dämpfung ein oder aus")),
    switchIndicator(Label9, Frame2),

    windowChild(Frame3, 2020, 1200, 480, LeftRule::AfterRightOf, Frame1, L),
    spoken(fixed(Command5, Frame3, 360, 360, 1455, 375, L), N_("Löschen: Kette und Uhr auf null")),
    // Pressed while the run is halted, whichever its caption says the next click does.
    toggle(fixed(Command11, Frame3, 2040, 360, 1335, 375, L), N_("Lauf anhalten")),
    spoken(fixed(Command1, Frame3, 360, 840, 1455, 375, L), N_("Alle Geschwindigkeiten auf null")),
    spoken(fixed(Command2, Frame3, 2040, 840, 1335, 375, L), N_("Alle Auslenkungen auf null")),
    // The step beside "Halt", the snapshot beneath it, in the frame's free third column: narrow
    // and in the small font, so that they stay inside the frame on a screen 1024 pixels wide.
    spoken(fixed(Command12, Frame3, 3480, 360, 975, 375, N), N_("Eine Zeiteinheit weiterlaufen")),
    toggle(fixed(Command13, Frame3, 3480, 840, 975, 375, N),
           N_("Momentbild aufnehmen oder löschen")),

    windowChild(Frame4, 2340, 800, 320, LeftRule::SameLeftAs, Frame2, L),
    switchButton(Command3, Frame4, Label10, N_("Brechung ein oder aus")),
    switchIndicator(Label10, Frame4),

    windowChild(Frame5, 2520, 1200, 480, LeftRule::AfterRightOf, Frame1, L),
    fixed(Text4, Frame5, 480, 360, 1095, 375, L, Look::Plain, N_("Uhr")),
    fixed(Command8, Frame5, 480, 840, 1095, 375, L),
    fixed(HScroll3, Frame5, 1680, 360, 1815, 375, N, Look::Plain,
          N_("Geschwindigkeit des Zeitablaufs")),
    fixed(Label11, Frame5, 1680, 840, 1815, 375, L, Look::Centred),
    // In the free room beneath the clock's switch.
    spoken(fixed(Command17, Frame5, 480, 1320, 1095, 375, L), N_("Vorbereitete Versuche")),
    // In the free room beneath the speed bar's caption; pressed while the diagram is open.
    toggle(fixed(Command14, Frame5, 1680, 1320, 1815, 375, L), N_("Zeitdiagramm ein oder aus")),

    windowChild(Frame6, 2660, 800, 340, LeftRule::SameLeftAs, Frame2, L),
    switchButton(Command4, Frame6, Label12, N_("Hindernis ein oder aus")),
    switchIndicator(Label12, Frame6),

    // The two option buttons share the frame, so choosing one clears the other.
    windowChild(Frame7, 2250, 830, 750, LeftRule::AfterRightOf, Frame4, L),
    fixed(Option1, Frame7, 240, 600, 2175, 375, L),
    fixed(Option2, Frame7, 240, 1320, 1575, 375, L),

    windowChild(Command6, 2045, 405, 200, LeftRule::AfterRightOf, Frame4, N),
    windowChild(Command10, 2045, 405, 200, LeftRule::AfterRightOf, Command6, L),
};

static_assert(kEntries.size() == kControlCount - 1, "every control but the window has an entry");

// A box wider in one language than the form has it, so that its caption is never cut.
struct Widened {
    Control control;
    std::string_view language;
    double width;
};
constexpr std::array kWidened{
    // "Pendulum chain" beside the option's indicator: as wide as the other option's box.
    Widened{Option2, "en", 2175},
};

constexpr Entry kWindow{.control = Ondix15,
                        .parent = Ondix15,
                        .placement = Window,
                        .left = 0,
                        .top = 0,
                        .width = 4000,
                        .height = 3000};

// Reading order: the chain view and the tape's read-out in it, then the panels frame by frame as
// the eye reads them, column by column from the left, each frame row by row. The two options
// are one stop, the arrow keys move between them.
constexpr std::array kFocusOrder{
    Picture1,  Text1,                                                 // the view
    HScroll1,  Text2,     HScroll2,  Text3,     Command7,  Text5,     // the harmonic drive,
    Command15, Command16, Command18, Command19,                       // pulse, start, saving
    Command5,  Command11, Command12, Command1,  Command2,  Command13, // clearing and halt
    Text4,     HScroll3,  Command8,  Command17, Command14,            // clock, experiments, speed
    Command9,  Command3,  Command4,            // damping, refraction, obstacle
    Command6,  Command10, Option1,   Option2}; // information, end, the chain type

static_assert(kFocusOrder.size() == 30, "every control that takes the focus, once");

// Each entry at the index of its control, built once.
struct Index {
    std::array<const Entry*, kControlCount> entries{};
    std::array<Control, kControlCount> showing{};
    Index() {
        entries[static_cast<std::size_t>(Ondix15)] = &kWindow;
        showing.fill(Ondix15);
        for (const Entry& e : kEntries) {
            entries[static_cast<std::size_t>(e.control)] = &e;
            if (e.shownBy != Ondix15) {
                showing[static_cast<std::size_t>(e.shownBy)] = e.control;
            }
        }
    }
};

const Index& index() {
    static const Index built;
    return built;
}

} // namespace

std::span<const Entry> entries() {
    return kEntries;
}

double width(const Entry& e) {
    for (const Widened& w : kWidened) {
        if (w.control == e.control && w.language == Language::current()) {
            return w.width;
        }
    }
    return e.width;
}

const Entry& entry(Control control) {
    return *index().entries[static_cast<std::size_t>(control)];
}

Control showing(Control control) {
    return index().showing[static_cast<std::size_t>(control)];
}

std::span<const Control> focusOrder() {
    return kFocusOrder;
}

std::string_view viewDescription() {
    return ChainKeys::keyList();
}

} // namespace Form
