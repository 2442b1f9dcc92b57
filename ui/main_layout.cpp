#include "ui/main_layout.h"

#include "sim/chain_view.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>

#include <cmath>

namespace MainLayout {

MainControls createControls(QWidget& window) {
    MainControls c;
    c.Picture1 = new ChainView(&window);
    c.Picture1->setObjectName(QStringLiteral("Picture1"));
    c.Picture1->setBackgroundColor(qRgb(255, 255, 192));
    for (QLineEdit** text : {&c.Text1, &c.Text2, &c.Text3, &c.Text4, &c.Text5}) {
        *text = new QLineEdit(&window);
    }
    c.Text1->setParent(c.Picture1);
    c.Text1->setText(QStringLiteral("Text1"));
    c.Text2->setText(QStringLiteral("Text2"));
    c.Text3->setText(QStringLiteral("Text3"));
    c.Text4->setText(QStringLiteral("0"));
    c.Text5->setText(QStringLiteral("Text5"));
    return c;
}

void layOut(QWidget& window, MainControls& c) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    window.move(screen.topLeft());
    window.resize(screen.width(), static_cast<int>(std::lround(0.96 * screen.height())));
    const double unitY = window.height() / 3000.0;
    c.Picture1->setGeometry(0, static_cast<int>(std::lround(2 * unitY)), window.width(),
                            static_cast<int>(std::lround(2000 * unitY)));
    c.Picture1->setScaleHeight(6);
    c.Picture1->setScaleWidth(100);
    c.Picture1->setScaleLeft(0);
    c.Picture1->setScaleTop(-3);
    c.Picture1->setBackgroundColor(qRgb(255, 255, 224));
    c.Text1->hide();
}

} // namespace MainLayout
