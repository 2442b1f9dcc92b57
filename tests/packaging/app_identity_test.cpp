#include "platform/app_identity.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <gtest/gtest.h>

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

TEST(ApplicationIdentity, NamesTheProgramItsVersionAndDesktopEntry) {
    installApplicationIdentity();

    EXPECT_EQ(QApplication::applicationName(), QStringLiteral("Ondix15"));
    EXPECT_EQ(QApplication::applicationVersion(), QStringLiteral("15.00"));
    EXPECT_FALSE(QApplication::organizationName().isEmpty());
    // The desktop entry and metainfo are installed under this id; a mismatch leaves the window
    // without its menu entry and icon under Wayland.
    EXPECT_EQ(QApplication::desktopFileName(), QStringLiteral(ONDIX_APP_ID));
}

TEST(ApplicationIdentity, WindowIconOffersEveryRenderedSize) {
    installApplicationIdentity();
    const QIcon icon = QApplication::windowIcon();
    ASSERT_FALSE(icon.isNull()) << "no icon resources linked into the program";

    const QList<QSize> available = icon.availableSizes();
    for (const int size : iconSizes)
        EXPECT_TRUE(available.contains(QSize(size, size))) << size << " px missing";
}

// Every size comes out at exactly that size and shows the chain: pale yellow ground, dark masses
// and the red line of the damped end, all opaque. A rendering that failed or went transparent
// would show none of them.
TEST(ApplicationIdentity, WindowIconShowsTheChainAtEverySize) {
    installApplicationIdentity();
    const QIcon icon = QApplication::windowIcon();

    for (const int size : iconSizes) {
        SCOPED_TRACE(size);
        const QSize wanted(size, size);
        EXPECT_EQ(icon.actualSize(wanted), wanted);
        const QPixmap pixmap = icon.pixmap(wanted, 1.0);
        ASSERT_FALSE(pixmap.isNull());
        ASSERT_EQ(pixmap.size(), wanted);

        const Colours counts = countColours(pixmap.toImage());
        const int area = size * size;
        EXPECT_GT(counts.paleYellow, area / 3);
        EXPECT_GE(counts.dark, area / 64);
        EXPECT_GE(counts.reddish, size / 3);
    }
}

TEST(ApplicationIdentity, NewWindowsCarryTheIcon) {
    installApplicationIdentity();
    const QWidget window;
    const QPixmap pixmap = window.windowIcon().pixmap(32, 32);
    ASSERT_FALSE(pixmap.isNull());
    EXPECT_GT(countColours(pixmap.toImage()).paleYellow, 0);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
