#include "desktop/platform/app_identity.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QTest>
#include <QWidget>

#include <array>

namespace {

constexpr std::array iconSizes{ONDIX_ICON_SIZES};

struct Colours {
    int paleYellow = 0; // the chain view's background, RGB(255,255,224)
    int dark = 0;       // the masses
    int reddish = 0;    // the line of the damped end
};

Colours countColours(const QImage& image) {
    Colours counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() < 250)
                continue;
            if (c.red() >= 250 && c.green() >= 250 && c.blue() >= 210 && c.blue() <= 235)
                ++counts.paleYellow;
            else if (c.red() < 60 && c.green() < 60 && c.blue() < 60)
                ++counts.dark;
            else if (c.red() >= 200 && c.green() < 170 && c.blue() < 170)
                ++counts.reddish;
        }
    return counts;
}

} // namespace

class TestAppIdentity : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installApplicationIdentity(); }
    void namesTheProgramItsVersionAndDesktopEntry();
    void windowIconShowsTheChainAtEverySize();
    void newWindowsCarryTheIcon();
};

void TestAppIdentity::namesTheProgramItsVersionAndDesktopEntry() {
    QCOMPARE(QApplication::applicationName(), QStringLiteral("Ondix15"));
    QCOMPARE(QApplication::applicationVersion(), QStringLiteral("15.00"));
    QVERIFY(!QApplication::organizationName().isEmpty());
    // The desktop entry and metainfo are installed under this id; a mismatch leaves the window
    // without its menu entry and icon under Wayland.
    QCOMPARE(QApplication::desktopFileName(), QStringLiteral(ONDIX_APP_ID));
}

// Every rendered size is offered, comes out at exactly that size and shows the chain: pale
// yellow ground, dark masses and the red line of the damped end, all opaque. A rendering that
// failed or went transparent would show none of them.
void TestAppIdentity::windowIconShowsTheChainAtEverySize() {
    const QIcon icon = QApplication::windowIcon();
    QVERIFY2(!icon.isNull(), "no icon resources linked into the program");
    for (const int size : iconSizes) {
        const QSize wanted(size, size);
        QVERIFY2(icon.availableSizes().contains(wanted), qPrintable(QString::number(size)));
        QCOMPARE(icon.actualSize(wanted), wanted);
        const QPixmap pixmap = icon.pixmap(wanted, 1.0);
        QCOMPARE(pixmap.size(), wanted);

        const Colours counts = countColours(pixmap.toImage());
        const int area = size * size;
        QVERIFY(counts.paleYellow > area / 3);
        QVERIFY(counts.dark >= area / 64);
        QVERIFY(counts.reddish >= size / 3);
    }
}

void TestAppIdentity::newWindowsCarryTheIcon() {
    const QWidget window;
    const QPixmap pixmap = window.windowIcon().pixmap(32, 32);
    QVERIFY(!pixmap.isNull());
    QVERIFY(countColours(pixmap.toImage()).paleYellow > 0);
}

QTEST_MAIN(TestAppIdentity)
#include "app_identity_test.moc"
