#pragma once

#include <array>
#include <string_view>

// The controls of the main window, by their names on the form (kind and number), the window and
// the keyboard pointer in the chain view. The names are the controls' identities: a front end
// gives each control its name (the desktop as the widget's object name, the page as the
// element's id); everywhere else a control is named by its role (see Role).
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
    Command12,
    Command13,
    Command14,
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
    Label14,
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
    // Buttons added after the pointer, so that every list of the controls in this order keeps
    // the places it had.
    Command15,
    Command16,
    Command17,
    Command18,
    Command19,
};

inline constexpr int kControlCount = static_cast<int>(Control::Command19) + 1;

// Every control by its role, the names the handlers and the front ends use; the form's names
// stand only here, in the control map and in the form description.
namespace Role {
// The main window, whose title names the chain type.
inline constexpr Control kWindow = Control::Ondix15;
inline constexpr Control kChainView = Control::Picture1;
// "Festes Ende", hidden while the hand holds the end.
inline constexpr Control kFixedEndLabel = Control::Label3;
inline constexpr Control kLooseEndLabel = Control::Label4;
// "Dämpfung On/Off" beneath the loose end.
inline constexpr Control kDampingLabel = Control::Label5;
// How the left end is moved, or "Halt".
inline constexpr Control kModeLabel = Control::Label6;
// "m = 1" and "m = 4" over the two halves, while refraction is on.
inline constexpr Control kLightHalfLabel = Control::Label7;
inline constexpr Control kHeavyHalfLabel = Control::Label8;
// The tape's reading, beside the pointer.
inline constexpr Control kTapeReadout = Control::Text1;
// The point the keys move to lay the tape.
inline constexpr Control kKeyboardPointer = Control::KeyboardPointer;
// The harmonic drive: amplitude and period, its switch and state, the hint for the hand.
inline constexpr Control kDrivePanel = Control::Frame1;
// The amplitude times its bar's scale.
inline constexpr Control kAmplitudeBar = Control::HScroll1;
inline constexpr Control kAmplitudeName = Control::Label1;
inline constexpr Control kAmplitudeReadout = Control::Text2;
// The period times its bar's scale.
inline constexpr Control kPeriodBar = Control::HScroll2;
inline constexpr Control kPeriodName = Control::Label2;
inline constexpr Control kPeriodReadout = Control::Text3;
inline constexpr Control kDriveSwitch = Control::Command7;
// One crest of the drive, half a period from rest to rest; the drive off afterwards.
inline constexpr Control kPulseButton = Control::Command15;
inline constexpr Control kDriveState = Control::Text5;
// Its colour shows whether the hand is in charge.
inline constexpr Control kHandHint = Control::Label13;
// Damping of the loose end, the obstacle and refraction: a switch and an indicator each.
inline constexpr Control kDampingPanel = Control::Frame2;
inline constexpr Control kDampingSwitch = Control::Command9;
inline constexpr Control kDampingIndicator = Control::Label9;
inline constexpr Control kRefractionPanel = Control::Frame4;
inline constexpr Control kRefractionSwitch = Control::Command3;
inline constexpr Control kRefractionIndicator = Control::Label10;
inline constexpr Control kObstaclePanel = Control::Frame6;
inline constexpr Control kObstacleSwitch = Control::Command4;
inline constexpr Control kObstacleIndicator = Control::Label12;
// Clearing and halt.
inline constexpr Control kClearingPanel = Control::Frame3;
inline constexpr Control kClearAll = Control::Command5;
inline constexpr Control kClearVelocities = Control::Command1;
inline constexpr Control kClearDisplacements = Control::Command2;
// Its caption says what its next click does.
inline constexpr Control kHaltButton = Control::Command11;
// Every setting as at the start, or as the setup the program was started with set it.
inline constexpr Control kStartButton = Control::Command16;
// The view, with the time diagram where it is open, saved as an image file.
inline constexpr Control kSaveImageButton = Control::Command18;
// The time diagram's samples saved as a table for a spreadsheet.
inline constexpr Control kSaveSamplesButton = Control::Command19;
// One time unit of passes while the run is halted; disabled while it runs.
inline constexpr Control kStepButton = Control::Command12;
// Takes a snapshot of the chain, or clears the one shown; pressed while one is shown.
inline constexpr Control kSnapshotButton = Control::Command13;
// The clock's reading when the snapshot was taken, in the chain view.
inline constexpr Control kSnapshotTime = Control::Label14;
// The clock and the speed.
inline constexpr Control kClockPanel = Control::Frame5;
inline constexpr Control kClockReadout = Control::Text4;
inline constexpr Control kClockSwitch = Control::Command8;
// Opens and closes the time diagram; checked while it is open.
inline constexpr Control kDiagramButton = Control::Command14;
// Opens the list of prepared experiments.
inline constexpr Control kExperimentsButton = Control::Command17;
// The time step in hundredths.
inline constexpr Control kSpeedBar = Control::HScroll3;
inline constexpr Control kSpeedName = Control::Label11;
// The chain type.
inline constexpr Control kCarrierPanel = Control::Frame7;
inline constexpr Control kTorsionOption = Control::Option1;
inline constexpr Control kPendulumOption = Control::Option2;
// Opens the information page on the chain type in use.
inline constexpr Control kInfoButton = Control::Command6;
inline constexpr Control kEndButton = Control::Command10;
} // namespace Role

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
