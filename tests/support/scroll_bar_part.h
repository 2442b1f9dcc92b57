#pragma once

#include <QRect>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>

// Where the style draws a part of a scroll bar (an arrow, the track, the thumb), so that a test
// can press on it as a student would.
inline QRect scrollBarPart(const QScrollBar& bar, QStyle::SubControl part) {
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.subControls = QStyle::SC_All;
    option.orientation = bar.orientation();
    if (bar.orientation() == Qt::Horizontal) {
        option.state |= QStyle::State_Horizontal;
    }
    option.minimum = bar.minimum();
    option.maximum = bar.maximum();
    option.sliderPosition = bar.sliderPosition();
    option.sliderValue = bar.value();
    option.singleStep = bar.singleStep();
    option.pageStep = bar.pageStep();
    option.upsideDown = bar.invertedAppearance();
    return bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, part, &bar);
}
