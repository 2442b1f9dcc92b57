#pragma once

#include <QSize>

class QWidget;

// The main window's user scale: its client area is 4000 units wide and 3000 high, with the
// origin at the top-left corner. Left, Top, Width and Height of a direct child are set one at a
// time in these units and snap to whole pixels; reading Left and Width back converts the pixels, so
// that whatever a snap did carries over to a control placed by the read-back values.
class WindowScale {
public:
    static constexpr double kWidth = 4000;
    static constexpr double kHeight = 3000;

    explicit WindowScale(QSize client);

    int toPixelX(double units) const;
    int toPixelY(double units) const;
    double toUnitsX(int pixels) const;

    void setLeft(QWidget& control, double units) const;
    void setTop(QWidget& control, double units) const;
    void setWidth(QWidget& control, double units) const;
    void setHeight(QWidget& control, double units) const;

    double left(const QWidget& control) const;
    double width(const QWidget& control) const;
    double right(const QWidget& control) const { return left(control) + width(control); }

private:
    QSize client_;
};
