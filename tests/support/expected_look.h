#pragma once

#include "core/chain_constants.h"
#include "core/chain_state.h"
#include "platform/app_identity.h"
#include "sim/chain_view.h"
#include "support/view_bench.h"
#include "ui/main_controls.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <initializer_list>

// What the main window must show for a chain state, one line per caption, indicator text,
// indicator colour and visibility, so that a test compares all of them at once and the first
// line that differs names the control. A control that was never operated keeps its look from
// start-up, which the layout's own tests check.

// The controls operated so far, as a student would have operated them.
struct Operated {
    QSet<QString> names;
    bool driveSinceHalt = false; // "Harmonisch On/Off" clicked since the last halt

    void note(const QString& name, const ChainState& after) {
        names << name;
        if (name == QLatin1String("Command7")) {
            driveSinceHalt = true;
        } else if (name == QLatin1String("Command11") && after.halted == 1) {
            driveSinceHalt = false;
        }
    }
    bool has(const char* name) const { return names.contains(QLatin1String(name)); }
};

inline QStringList shownLook(const MainControls& c, const QWidget& window) {
    const auto on = [](const QWidget& w, QPalette::ColorRole role = QPalette::Window) {
        return QStringLiteral(" on ") + w.palette().color(role).name();
    };
    const auto shown = [&](const QWidget& w) {
        return w.isVisibleTo(&window) ? QStringLiteral(" shown") : QStringLiteral(" hidden");
    };
    // clang-format off
    return {"Command11 " + c.button(Role::kHaltButton)->text(), "Label6 " + c.label(Role::kModeLabel)->text(),
            "Text5 " + c.textBox(Role::kDriveState)->text(), "Text5" + on(*c.textBox(Role::kDriveState), QPalette::Base),
            "Label13" + on(*c.label(Role::kHandHint)), "Label5 " + c.label(Role::kDampingLabel)->text(),
            "Label9 " + c.label(Role::kDampingIndicator)->text() + on(*c.label(Role::kDampingIndicator)),
            "Label12 " + c.label(Role::kObstacleIndicator)->text() + on(*c.label(Role::kObstacleIndicator)),
            "Label10 " + c.label(Role::kRefractionIndicator)->text() + on(*c.label(Role::kRefractionIndicator)),
            "Label7" + shown(*c.label(Role::kLightHalfLabel)) + ", Label8" + shown(*c.label(Role::kHeavyHalfLabel)),
            "Label3" + shown(*c.label(Role::kFixedEndLabel)), "Command8 " + c.button(Role::kClockSwitch)->text(),
            QStringLiteral("Option1 checked %1, Option2 %2").arg(c.button(Role::kTorsionOption)->isChecked()).arg(c.button(Role::kPendulumOption)->isChecked()),
            "Command6 " + c.button(Role::kInfoButton)->text(), "title " + window.windowTitle()};
    // clang-format on
}

// The same lines as they must be after the operations in `operated`, from the lines at start.
inline QStringList expectedLook(const ChainState& s, const Operated& operated, QStringList look) {
    const QString red = QStringLiteral(" on #ff0000");
    const QString grey = QStringLiteral(" on #c0c0c0");
    const auto onOff = [&](bool on) { return on ? "On" + red : "Off" + grey; };
    const bool halted = s.halted == 1;
    const bool drive = s.harmonicOn == 1;
    const bool damped = s.endDamping == Chain::kDampingOn;
    const bool refraction = s.refractionOn == 1;
    const bool torsion = s.selfCoeff == Chain::kTorsionSelfCoeff;
    look[0] = halted ? "Command11 Weiter" : "Command11 Halt";
    if (operated.has("Command7") || operated.has("Command11")) {
        look[1] = halted && !operated.driveSinceHalt ? "Label6 Halt"
                  : drive                            ? "Label6 Harmonisch bewegt"
                                                     : "Label6 Bewegung mit Maus";
    }
    if (operated.has("Command7")) {
        look[2] = drive ? "Text5 On" : "Text5 Off";
        look[3] = "Text5" + (drive ? red : grey);
        look[4] = "Label13" + (drive ? grey : red);
    }
    if (operated.has("Command9")) {
        look[5] = damped ? "Label5 Dämpfung on" : "Label5 Dämpfung off";
        look[6] = "Label9 " + onOff(damped);
    }
    if (operated.has("Command4")) {
        look[7] = "Label12 " + onOff(s.obstacleOn == 1);
    }
    if (operated.has("Command3")) {
        look[8] = "Label10 " + onOff(refraction);
    }
    look[9] = refraction ? "Label7 shown, Label8 shown" : "Label7 hidden, Label8 hidden";
    look[10] = "Label3 shown"; // hidden only while the left button drags the end
    if (operated.has("Command8")) {
        look[11] = s.clockOn == 1 ? "Command8  Uhr Stopp" : "Command8  Uhr Start";
    }
    look[12] = torsion ? "Option1 checked 1, Option2 0" : "Option1 checked 0, Option2 1";
    if (operated.has("Option1") || operated.has("Option2")) {
        look[13] =
            torsion ? "Command6     Info zur Torsionskette" : "Command6    Info zur Pendelkette";
        look[14] = (torsion ? "title Zarvel - Torsionskette" + QString(32, ' ')
                            : "title Zarvel - Pendelkette" + QString(36, ' ')) +
                   creditLine();
    }
    return look;
}

// Rows of the view's pixel column at x that are not in `colour`, leaving out the rows within 3
// pixels of the given heights, where a mass's dot may lie.
inline int wrongRows(ChainView& view, float x, QRgb colour,
                     std::initializer_list<float> dots = {}) {
    const QImage image = shownImage(view);
    int wrong = 0;
    for (int row = 0; row < image.height(); ++row) {
        const bool nearDot = std::any_of(dots.begin(), dots.end(), [&](float y) {
            return std::abs(row - view.toPixel(x, y).y()) <= 3;
        });
        wrong += !nearDot && image.pixel(view.toPixel(x, 0).x(), row) != colour;
    }
    return wrong;
}

// Each marker's column: whole in its colour while its option is on, in the background's while
// off, but for the dots of the masses drawn in it at `drawnAt` (if given).
inline QString markerFaults(ChainView& view, const ChainState& s,
                            const ChainState::Row* drawnAt = nullptr) {
    // Far above the view where no dot is to be left out.
    const auto dot = [&](int mass) { return drawnAt != nullptr ? (*drawnAt)[mass] : -1000.0f; };
    return QStringLiteral("wrong rows: damping %1, obstacle %2, refraction %3")
        .arg(wrongRows(view, 98, s.endDamping == 2 ? qRgb(255, 128, 128) : kViewBackground,
                       {dot(97)}))
        .arg(
            wrongRows(view, 48, s.obstacleOn == 1 ? qRgb(255, 0, 255) : kViewBackground, {dot(47)}))
        .arg(wrongRows(view, 47.5f,
                       s.refractionOn == 1 ? view.foregroundColour() : kViewBackground));
}
