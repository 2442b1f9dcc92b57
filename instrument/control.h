#pragma once

#include <array>
#include <string_view>

// The controls of the main window, by their names on the form (kind and number), the window and
// the keyboard pointer in the chain view. The names are the controls' identities: a front end
// gives each control its name (the desktop as the widget's object name), and the handlers keep
// role names for the ones they touch (`constexpr Control kTapeReadout = Control::Text1`).
enum class Control {
    Ondix15, // the main window, whose title the chain type changes
    Picture1,
    Frame1,
    Frame2,
    Frame3,
    Frame4,
    Frame5,
    Frame6,
    Frame7,
    Command1,
    Command2,
    Command3,
    Command4,
    Command5,
    Command6,
    Command7,
    Command8,
    Command9,
    Command10,
    Command11,
    Label1,
    Label2,
    Label3,
    Label4,
    Label5,
    Label6,
    Label7,
    Label8,
    Label9,
    Label10,
    Label11,
    Label12,
    Label13,
    Text1,
    Text2,
    Text3,
    Text4,
    Text5,
    HScroll1,
    HScroll2,
    HScroll3,
    Option1,
    Option2,
    KeyboardPointer,
};

inline constexpr int kControlCount = static_cast<int>(Control::KeyboardPointer) + 1;

enum class ControlKind { Window, View, Frame, Button, Label, TextBox, ScrollBar, Option, Pointer };

// The one control map: each control's name and kind.
struct ControlEntry {
    std::string_view name;
    ControlKind kind;
};
const ControlEntry& controlEntry(Control control);
inline std::string_view controlName(Control control) {
    return controlEntry(control).name;
}
inline ControlKind controlKind(Control control) {
    return controlEntry(control).kind;
}
