#include "ui/window_scale.h"

#include <QWidget>

#include <cmath>

WindowScale::WindowScale(QSize client) : client_(client) {}

int WindowScale::toPixelX(double units) const {
    return static_cast<int>(std::lround(units * client_.width() / kWidth));
}

int WindowScale::toPixelY(double units) const {
    return static_cast<int>(std::lround(units * client_.height() / kHeight));
}

double WindowScale::toUnitsX(int pixels) const {
    return client_.width() > 0 ? pixels * kWidth / client_.width() : 0.0;
}

void WindowScale::setLeft(QWidget& control, double units) const {
    control.move(toPixelX(units), control.y());
}

void WindowScale::setTop(QWidget& control, double units) const {
    control.move(control.x(), toPixelY(units));
}

void WindowScale::setWidth(QWidget& control, double units) const {
    control.resize(toPixelX(units), control.height());
}

void WindowScale::setHeight(QWidget& control, double units) const {
    control.resize(control.width(), toPixelY(units));
}

double WindowScale::left(const QWidget& control) const {
    return toUnitsX(control.x());
}
double WindowScale::width(const QWidget& control) const {
    return toUnitsX(control.width());
}
