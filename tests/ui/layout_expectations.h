#pragma once

#include "ui/main_controls.h"

#include <QTest>
#include <QWidget>

#include <array>
#include <cmath>

// The place of every direct child of the main window at start-up, in window units (the client
// area is 4000 x 3000), and the check of a laid-out window against it.
namespace LayoutExpectations {

struct NominalPlace {
    const char* name;
    double left;
    double top;
    double width;
    double height;
};

inline constexpr std::array<NominalPlace, 10> kDirectChildren{{
    {"Picture1", 0, 2, 4000, 2000},
    {"Frame1", 0, 2020, 1000, 980},
    {"Frame3", 1020, 2020, 1200, 480},
    {"Frame5", 1020, 2520, 1200, 480},
    {"Frame2", 2240, 2020, 800, 320},
    {"Frame4", 2240, 2340, 800, 320},
    {"Frame6", 2240, 2660, 800, 340},
    {"Command6", 3060, 2045, 405, 200},
    {"Command10", 3485, 2045, 405, 200},
    {"Frame7", 3060, 2250, 830, 750},
}};

// Each edge may be off by the snapping to whole pixels, accumulated over the read-back rules.
inline constexpr double kTolerancePixels = 2.0;

// Compares each direct child's left, top, right and bottom edge in pixels with the nominal
// place scaled to the window's client area.
inline void checkDirectChildren(const QWidget& window) {
    const double sx = window.width() / 4000.0;
    const double sy = window.height() / 3000.0;
    for (const NominalPlace& place : kDirectChildren) {
        const auto* child =
            window.findChild<QWidget*>(QLatin1String(place.name), Qt::FindDirectChildrenOnly);
        QVERIFY2(child != nullptr, place.name);
        const QRect g = child->geometry();
        const double edges[4][2] = {
            {double(g.x()), place.left * sx},
            {double(g.y()), place.top * sy},
            {double(g.x() + g.width()), (place.left + place.width) * sx},
            {double(g.y() + g.height()), (place.top + place.height) * sy},
        };
        for (const auto& [actual, expected] : edges) {
            QVERIFY2(std::abs(actual - expected) <= kTolerancePixels,
                     qPrintable(QStringLiteral("%1 at %2,%3 %4x%5 in a client area of %6x%7")
                                    .arg(QLatin1String(place.name))
                                    .arg(g.x())
                                    .arg(g.y())
                                    .arg(g.width())
                                    .arg(g.height())
                                    .arg(window.width())
                                    .arg(window.height())));
        }
        QVERIFY2(child->isVisibleTo(&window), place.name);
    }
}

} // namespace LayoutExpectations
