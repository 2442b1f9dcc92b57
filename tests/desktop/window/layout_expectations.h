#pragma once

#include "desktop/window/main_controls.h"
#include "support/control_tree.h"

#include <QDebug>
#include <QGroupBox>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <array>
#include <cmath>

// The place of every direct child of the main window at the design size, in window units (the
// client area is 4000 x 3000), and the checks of a laid-out window against it.
namespace LayoutExpectations {

struct NominalPlace {
    Control control;
    double left;
    double top;
    double width;
    double height;
};

inline constexpr std::array<NominalPlace, 10> kDirectChildren{{
    {Role::kChainView, 0, 2, 4000, 2000},
    {Role::kDrivePanel, 0, 2020, 1000, 980},
    {Role::kClearingPanel, 1020, 2020, 1200, 480},
    {Role::kClockPanel, 1020, 2520, 1200, 480},
    {Role::kDampingPanel, 2240, 2020, 800, 320},
    {Role::kRefractionPanel, 2240, 2340, 800, 320},
    {Role::kObstaclePanel, 2240, 2660, 800, 340},
    {Role::kInfoButton, 3060, 2045, 405, 200},
    {Role::kEndButton, 3485, 2045, 405, 200},
    {Role::kCarrierPanel, 3060, 2250, 830, 750},
}};

// The widget's name and place, its container's name and size, for a failure's message.
inline QString where(const QWidget& w) {
    QString text;
    QDebug(&text).noquote() << w.objectName() << w.geometry() << "in"
                            << w.parentWidget()->objectName() << w.parentWidget()->size();
    return text;
}

// Each edge may be off by the snapping to whole pixels, accumulated over the read-back rules.
inline constexpr double kTolerancePixels = 2.0;

// Compares each direct child's left, top, right and bottom edge in pixels with the nominal
// place: across, scaled to the client width; down, the panels keep the pixels of the design
// height (979 at 96 dpi) and stand at the bottom of the client area, and the view, from its
// top, ends where its design bottom does when moved down with them.
inline void checkDirectChildren(const QWidget& window) {
    const double sx = window.width() / 4000.0;
    const double sy = 979.0 * window.logicalDpiY() / 96 / 3000.0;
    const double shift = window.height() - 3000 * sy;
    for (const NominalPlace& place : kDirectChildren) {
        const QWidget* child = findControl(window, place.control);
        const char* name = controlName(place.control).data();
        QVERIFY2(child != nullptr && child->parentWidget() == &window, name);
        const QRect g = child->geometry();
        const bool view = place.control == Role::kChainView;
        const double edges[4][2] = {
            {double(g.x()), place.left * sx},
            {double(g.y()), place.top * sy + (view ? 0 : shift)},
            {double(g.x() + g.width()), (place.left + place.width) * sx},
            {double(g.y() + g.height()), (place.top + place.height) * sy + shift},
        };
        for (const auto& [actual, expected] : edges) {
            QVERIFY2(std::abs(actual - expected) <= kTolerancePixels, qPrintable(where(*child)));
        }
        QVERIFY2(child->isVisibleTo(&window), name);
    }
}

// Nothing is cut off: every control shown lies inside its container (a frame's inside its
// border), and so inside the client area; the chain view keeps at least 120 pixels, or a fifth
// of the client height.
inline void checkNothingClipped(const QWidget& window) {
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (w->isWindow() || !w->isVisibleTo(&window) || w->objectName().isEmpty()) {
            continue;
        }
        const QWidget& parent = *w->parentWidget();
        const int border = qobject_cast<const QGroupBox*>(&parent) != nullptr ? 1 : 0;
        const QRect room = parent.rect().adjusted(border, border, -border, -border);
        QVERIFY2(room.contains(w->geometry()), qPrintable(where(*w)));
    }
    const QWidget* view = findControl(window, Role::kChainView);
    QVERIFY(view->height() >= std::max(120, window.height() / 5));
}

// Both checks; below 1000 pixels the panels' columns may wrap into rows, away from the form's
// places.
inline void checkLaidOut(const QWidget& window) {
    if (window.width() >= 1000) {
        checkDirectChildren(window);
    }
    checkNothingClipped(window);
}

} // namespace LayoutExpectations
