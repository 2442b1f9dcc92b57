#include "desktop/window/label_painting.h"

#include <QFontMetrics>
#include <QPainter>
#include <QString>

void LabelPainting::draw(QPainter& painter, const TimeDiagram::Label& label, int pixels) {
    QFont font = painter.font();
    font.setPixelSize(pixels);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const QString s = QString::fromStdString(label.text);
    const int width = metrics.horizontalAdvance(s);
    int x = label.x;
    if (label.align == TimeDiagram::Label::Align::Centre) {
        x -= width / 2;
    } else if (label.align == TimeDiagram::Label::Align::Right) {
        x -= width;
    }
    painter.setPen(QColor(label.colour.r, label.colour.g, label.colour.b));
    painter.drawText(QRect(x, label.y - metrics.height() / 2, width + 1, metrics.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, s);
}
