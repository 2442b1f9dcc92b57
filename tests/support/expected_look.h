#pragma once

#include "core/chain_constants.h"
#include "core/chain_state.h"
#include "desktop/platform/app_identity.h"
#include "desktop/view/chain_view.h"
#include "desktop/window/main_controls.h"
#include "support/view_bench.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <set>

// What the main window must show for a chain state, one line per caption, indicator text,
// indicator colour and visibility, so that a test compares all of them at once and the first
// line that differs names the control. A control that was never operated keeps its look from
// start-up, which the layout's own tests check.

// The control a widget of the window stands for.
inline Control controlOf(const MainControls& c, const QWidget* widget) {
    for (int i = 0; i < kControlCount; ++i) {
        if (c[static_cast<Control>(i)] == widget) {
            return static_cast<Control>(i);
        }
    }
    qFatal("a widget that is no control of the form");
}

// The controls operated so far, as a student would have operated them.
struct Operated {
    std::set<Control> controls;
    bool driveSinceHalt = false; // "Harmonisch On/Off" clicked since the last halt

    void note(Control control, const ChainState& after) {
        controls.insert(control);
        if (control == Role::kDriveSwitch) {
            driveSinceHalt = true;
        } else if (control == Role::kHaltButton && after.halted == 1) {
            driveSinceHalt = false;
        }
    }
    bool has(Control control) const { return controls.contains(control); }
};

inline QStringList shownLook(const MainControls& c, const QWidget& window) {
    const auto on = [](const QWidget& w, QPalette::ColorRole role = QPalette::Window) {
        return QStringLiteral(" on ") + w.palette().color(role).name();
    };
    const auto shown = [&](const QWidget& w) {
        return w.isVisibleTo(&window) ? QStringLiteral(" shown") : QStringLiteral(" hidden");
    };
    // clang-format off
    return {"halt " + c.button(Role::kHaltButton)->text(), "mode " + c.label(Role::kModeLabel)->text(),
            "drive " + c.textBox(Role::kDriveState)->text(), "drive" + on(*c.textBox(Role::kDriveState), QPalette::Base),
            "hand hint" + on(*c.label(Role::kHandHint)), "damping label " + c.label(Role::kDampingLabel)->text(),
            "damping " + c.label(Role::kDampingIndicator)->text() + on(*c.label(Role::kDampingIndicator)),
            "obstacle " + c.label(Role::kObstacleIndicator)->text() + on(*c.label(Role::kObstacleIndicator)),
            "refraction " + c.label(Role::kRefractionIndicator)->text() + on(*c.label(Role::kRefractionIndicator)),
            "m = 1" + shown(*c.label(Role::kLightHalfLabel)) + ", m = 4" + shown(*c.label(Role::kHeavyHalfLabel)),
            "fixed end" + shown(*c.label(Role::kFixedEndLabel)), "clock " + c.button(Role::kClockSwitch)->text(),
            QStringLiteral("torsion checked %1, pendulum %2").arg(c.button(Role::kTorsionOption)->isChecked()).arg(c.button(Role::kPendulumOption)->isChecked()),
            "info " + c.button(Role::kInfoButton)->text(), "title " + window.windowTitle()};
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
    look[0] = halted ? "halt Weiter" : "halt Halt";
    if (operated.has(Role::kDriveSwitch) || operated.has(Role::kHaltButton)) {
        look[1] = halted && !operated.driveSinceHalt ? "mode Halt"
                  : drive                            ? "mode Harmonisch bewegt"
                                                     : "mode Bewegung mit Maus";
    }
    if (operated.has(Role::kDriveSwitch)) {
        look[2] = drive ? "drive On" : "drive Off";
        look[3] = "drive" + (drive ? red : grey);
        look[4] = "hand hint" + (drive ? grey : red);
    }
    if (operated.has(Role::kDampingSwitch)) {
        look[5] = damped ? "damping label Dämpfung on" : "damping label Dämpfung off";
        look[6] = "damping " + onOff(damped);
    }
    if (operated.has(Role::kObstacleSwitch)) {
        look[7] = "obstacle " + onOff(s.obstacleOn == 1);
    }
    if (operated.has(Role::kRefractionSwitch)) {
        look[8] = "refraction " + onOff(refraction);
    }
    look[9] = refraction ? "m = 1 shown, m = 4 shown" : "m = 1 hidden, m = 4 hidden";
    look[10] = "fixed end shown"; // hidden only while the left button drags the end
    if (operated.has(Role::kClockSwitch)) {
        look[11] = s.clockOn == 1 ? "clock  Uhr Stopp" : "clock  Uhr Start";
    }
    look[12] = torsion ? "torsion checked 1, pendulum 0" : "torsion checked 0, pendulum 1";
    if (operated.has(Role::kTorsionOption) || operated.has(Role::kPendulumOption)) {
        look[13] = torsion ? "info     Info zur Torsionskette" : "info    Info zur Pendelkette";
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
