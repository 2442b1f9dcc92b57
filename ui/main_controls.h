#pragma once

#include <QString>

class ChainView;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QWidget;

// The 42 controls of the main window as widgets, named by kind and number as in the control map
// (see Control), each with its caption at start and the handler it goes to or the part that
// writes it. The window owns them through Qt's parent chain; these are plain references for the
// binding and the layout.
struct MainControls {
    // Gives the window its font and creates every control as a child of it, with its object name
    // from the control map, fonts, the look of the indicators, the fixed-unit places of the
    // controls inside the panels, the accessible names and the keyboard focus order. Captions,
    // colours, visibility and the scroll bars' settings are the handlers' (see Panels); where the
    // panels and the view go on the screen is MainLayout's.
    static MainControls createIn(QWidget& window);

    ChainView* Picture1 = nullptr; // the chain view; HandAndTape::Picture1_MouseDown/Move/Up

    QGroupBox* Frame1 = nullptr; // "Anregung am linken Ende"
    QGroupBox* Frame2 = nullptr; // "Dämpfung"
    QGroupBox* Frame3 = nullptr; // "Löschfunktionen"
    QGroupBox* Frame4 = nullptr; // "Brechung"
    QGroupBox* Frame5 = nullptr; // "Uhr" and "Zeitablauf"
    QGroupBox* Frame6 = nullptr; // "Hindernis"
    QGroupBox* Frame7 = nullptr; // "Wellenträger"

    QPushButton* Command1 = nullptr;  // "v(i) = 0"; Clearing::Command1_Click
    QPushButton* Command2 = nullptr;  // "y(i) = 0"; Clearing::Command2_Click
    QPushButton* Command3 = nullptr;  // "On/Off" of refraction; MediumOptions::Command3_Click
    QPushButton* Command4 = nullptr;  // "On/Off" of the obstacle; MediumOptions::Command4_Click
    QPushButton* Command5 = nullptr;  // "Löschen"; Clearing::Command5_Click
    QPushButton* Command6 = nullptr;  // "Info zur Torsionskette"; InfoButton::Command6_Click
    QPushButton* Command7 = nullptr;  // "Harmonisch On/Off"; HarmonicDrive::Command7_Click
    QPushButton* Command8 = nullptr;  // "Uhr Start"/"Uhr Stopp"; ClockAndSpeed::Command8_Click
    QPushButton* Command9 = nullptr;  // "On/Off" of damping; MediumOptions::Command9_Click
    QPushButton* Command10 = nullptr; // "Ende"; RunControls::Command10_Click
    QPushButton* Command11 = nullptr; // "Halt"/"Weiter"; RunControls::Command11_Click

    QLabel* Label1 = nullptr;  // "Amplitude", under HScroll1
    QLabel* Label2 = nullptr;  // "Periode", under HScroll2
    QLabel* Label3 = nullptr;  // "Festes Ende" in the view; hidden by HandAndTape
    QLabel* Label4 = nullptr;  // "Loses Ende" in the view
    QLabel* Label5 = nullptr;  // "Dämpfung On" in the view; MediumOptions::Command9_Click
    QLabel* Label6 = nullptr;  // "Anregung von Hand" in the view; HarmonicDrive, RunControls
    QLabel* Label7 = nullptr;  // "m = 1" in the view, while refraction is on; MediumOptions
    QLabel* Label8 = nullptr;  // "m = 4" in the view, while refraction is on; MediumOptions
    QLabel* Label9 = nullptr;  // "On", damping indicator; MediumOptions::Command9_Click
    QLabel* Label10 = nullptr; // "Off", refraction indicator; MediumOptions::Command3_Click
    QLabel* Label11 = nullptr; // "langsam ---schnell", under HScroll3
    QLabel* Label12 = nullptr; // "Off", obstacle indicator; MediumOptions::Command4_Click
    QLabel* Label13 = nullptr; // "Anregung von Hand: ..." hint; HarmonicDrive::Command7_Click

    QLineEdit* Text1 = nullptr; // the tape's read-out in the view; HandAndTape
    QLineEdit* Text2 = nullptr; // amplitude read-out; HarmonicDrive::HScroll1_Change
    QLineEdit* Text3 = nullptr; // period read-out; HarmonicDrive::HScroll2_Change
    QLineEdit* Text4 = nullptr; // "0", the clock's read-out; ChainRunner
    QLineEdit* Text5 = nullptr; // the drive's On/Off state; HarmonicDrive::Command7_Click

    QScrollBar* HScroll1 = nullptr; // amplitude; HarmonicDrive::HScroll1_Change
    QScrollBar* HScroll2 = nullptr; // period; HarmonicDrive::HScroll2_Change
    QScrollBar* HScroll3 = nullptr; // speed, the time step; ClockAndSpeed::HScroll3_Change

    QRadioButton* Option1 = nullptr; // "Torsionskette"; WaveCarrier::Option1_Click
    QRadioButton* Option2 = nullptr; // "Pendelkette"; WaveCarrier::Option2_Click
};
