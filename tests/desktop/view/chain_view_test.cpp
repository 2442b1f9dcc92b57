// The chain view's pixels and mouse reports, and the run loop's drawing, taken from what the
// view shows under the offscreen platform.

#include "core/chain_state.h"
#include "desktop/view/chain_view.h"
#include "support/view_bench.h"
#include "support/window_session.h"

#include <QLineEdit>
#include <QLocale>
#include <QPalette>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <memory>

namespace {

constexpr QRgb kMarker = qRgb(255, 128, 128);
constexpr QRgb kBlack = qRgb(0, 0, 0);

QRgb pixelAt(ChainView& view, double x, double y) {
    return shownImage(view).pixel(view.toPixel(x, y));
}

int countPixels(const QImage& image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            n += image.pixel(x, y) == colour ? 1 : 0;
        }
    }
    return n;
}

} // namespace

class TestChainView : public QObject {
    Q_OBJECT

private slots:
    void startUpAndFirstPass();
    void theWindowShowsTheInstrumentsColoursUnderAnyPalette();
    void displacementMapsToHeight_data();
    void displacementMapsToHeight();
    void endMassErasesInMarkerColour_data();
    void endMassErasesInMarkerColour();
    void refractionDrawsTheRightHalfWide();
    void dotsAreExactDiscs();
    void farOutsideDrawsNothingAndKeepsRunning();
    void mouseReportsButtonCodeAndUserUnits();
    void coveredViewKeepsItsImage();
};

void TestChainView::startUpAndFirstPass() {
    WindowSession s;
    s.startHalted();
    QCOMPARE(s.pass, 1);

    ChainView& view = s.view();
    const QImage image = shownImage(view);
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), view.size());

    // Pale yellow area, the damping marker over the full height at x = 98.
    QCOMPARE(pixelAt(view, 50, -2), kViewBackground);
    QCOMPARE(pixelAt(view, 0.5, 2.9), kViewBackground);
    for (double y : {-3.0, -2.0, -0.5, 0.5, 1.5, 2.99}) {
        QCOMPARE(pixelAt(view, 98, y), kMarker);
    }
    // 98 black dots on the centre line at x = 1 to 98, the last one on the marker; nothing
    // black off the line.
    for (int i = 1; i <= 98; ++i) {
        QCOMPARE(pixelAt(view, i, 0), kBlack);
    }
    const int centreRow = view.toPixel(0, 0).y();
    for (int x = 0; x < image.width(); ++x) {
        for (int y : {centreRow - 10, centreRow + 10}) {
            QVERIFY(image.pixel(x, y) != kBlack);
        }
    }
    // Each dot is a disc of 4 pixels: 12 pixels per mass.
    QCOMPARE(countPixels(image, kBlack), 98 * 12);
}

// The window's view shows the instrument's picture as it is: light text on a dark window changes
// none of its colours, the refraction's boundary is black too.
void TestChainView::theWindowShowsTheInstrumentsColoursUnderAnyPalette() {
    WindowSession s;
    QPalette dark;
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Window, Qt::black);
    s.window->setPalette(dark);
    s.startHalted();
    QTest::mouseClick(s.c().button(Role::kRefractionSwitch), Qt::LeftButton);
    QCOMPARE(pixelAt(s.view(), 47.5, -2), kBlack);
    QCOMPARE(pixelAt(s.view(), 50, -2), kViewBackground);
}

void TestChainView::displacementMapsToHeight_data() {
    QTest::addColumn<float>("displacement");
    QTest::addColumn<double>("fractionOfHeight");
    QTest::addRow("plus one two thirds down") << 1.0f << 4.0 / 6.0;
    QTest::addRow("minus three at the top edge") << -3.0f << 0.0;
    QTest::addRow("centre line") << 0.0f << 0.5;
    QTest::addRow("plus two point nine near the bottom") << 2.9f << 5.9 / 6.0;
}

void TestChainView::displacementMapsToHeight() {
    QFETCH(float, displacement);
    QFETCH(double, fractionOfHeight);
    ViewBench bench({1200, 600});
    bench.state.y[0] = displacement; // the left end holds its height
    bench.run(1);
    ChainView& view = bench.view;
    const int row = static_cast<int>(std::lround(fractionOfHeight * 600));
    const int column = view.toPixel(1, 0).x();
    QCOMPARE(shownImage(view).pixel(column, std::min(row, 599)), kBlack);
    // The dot centre sits within a pixel of that row.
    QVERIFY(std::abs(view.toPixel(1, displacement).y() - row) <= 1);
}

void TestChainView::endMassErasesInMarkerColour_data() {
    QTest::addColumn<bool>("damped");
    QTest::addColumn<QRgb>("trace");
    QTest::addRow("damped end repaints the marker") << true << kMarker;
    QTest::addRow("free end leaves background") << false << kViewBackground;
}

void TestChainView::endMassErasesInMarkerColour() {
    QFETCH(bool, damped);
    QFETCH(QRgb, trace);
    ViewBench bench;
    bench.view.setPenWidth(4);
    if (damped) {
        bench.view.drawLine(98, -3, 98, 3, kMarker);
    } else {
        bench.state.endDamping = 0;
    }
    bench.run(1);
    QCOMPARE(pixelAt(bench.view, 98, 0), kBlack);
    // Move the end away: its old dot is erased in the end's eraser colour.
    bench.state.y[97] = 1.5f;
    bench.state.y[96] = 1.5f;
    bench.run(1);
    QCOMPARE(pixelAt(bench.view, 98, 0), trace);
    QCOMPARE(pixelAt(bench.view, 98, bench.state.y[97]), kBlack);
    if (damped) {
        // No gap: the whole column of the marker away from the end's dot is marker coloured.
        ChainView& view = bench.view;
        const int column = view.toPixel(98, 0).x();
        const int dotRow = view.toPixel(98, bench.state.y[97]).y();
        const QImage image = shownImage(view);
        for (int y = 0; y < image.height(); ++y) {
            if (std::abs(y - dotRow) > 3) {
                QCOMPARE(image.pixel(column, y), kMarker);
            }
        }
    }
}

void TestChainView::refractionDrawsTheRightHalfWide() {
    ViewBench bench;
    bench.state.refractionOn = 1;
    bench.run(1);
    // Discs of 4 pixels hold 12 pixels, of 5 pixels 21: masses 0 to 46 narrow, 47 to 97 wide.
    QCOMPARE(countPixels(shownImage(bench.view), kBlack), 47 * 12 + 51 * 21);
    QCOMPARE(penWidthNow(bench.view), 4); // back to the resting width after the pass
}

void TestChainView::dotsAreExactDiscs() {
    ChainView view;
    view.resize(100, 60);
    view.setBackgroundColour(kViewBackground);
    view.setPenWidth(4);
    view.moveDot(50, 0, 0, kViewBackground, kBlack);
    QCOMPARE(countPixels(shownImage(view), kBlack), 12);
    // Erasing in the background colour removes every pixel of it: no antialiasing rests.
    view.moveDot(50, 0, 0, kBlack, kViewBackground);
    QCOMPARE(countPixels(shownImage(view), kViewBackground), 100 * 60);
    view.setPenWidth(1);
    view.drawLine(10, -3, 10, 3, kBlack);
    QCOMPARE(countPixels(shownImage(view), kBlack), 60);
}

void TestChainView::farOutsideDrawsNothingAndKeepsRunning() {
    ViewBench bench;
    bench.run(1);
    const QImage before = shownImage(bench.view);
    // A left end dragged far beyond the view: drawn nowhere, and the view survives.
    bench.view.moveDot(1, 1.0e30f, -1.0e30f, kBlack, kBlack);
    bench.view.moveDot(-1.0e30f, 0, 0, kBlack, kBlack);
    bench.view.moveDot(std::nanf(""), 0, 0, kBlack, kBlack);
    bench.view.drawLine(1.0e9f, -1.0e9f, 1.0e9f, 1.0e9f, kBlack);
    QCOMPARE(shownImage(bench.view), before);
    bench.state.y[0] = 250.0f;
    bench.run(3);
    QCOMPARE(bench.state.yShown[0], 250.0f);
}

void TestChainView::mouseReportsButtonCodeAndUserUnits() {
    ChainView view;
    view.resize(1000, 600);
    view.setBackgroundColour(kViewBackground);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QSignalSpy down(&view, &ChainView::mouseDown);
    QSignalSpy move(&view, &ChainView::mouseMove);
    QSignalSpy up(&view, &ChainView::mouseUp);

    QTest::mousePress(&view, Qt::LeftButton, Qt::ShiftModifier, QPoint(250, 400));
    QCOMPARE(down.count(), 1);
    QCOMPARE(down[0][0].toInt(), 1);
    QCOMPARE(down[0][1].toInt(), 1);
    QCOMPARE(down[0][2].toFloat(), 25.0f);
    QCOMPARE(down[0][3].toFloat(), 1.0f);

    // A move beyond the bottom edge with the button held still arrives, in the same units.
    QMouseEvent beyond(QEvent::MouseMove, QPointF(500, 1500), view.mapToGlobal(QPointF(500, 1500)),
                       Qt::NoButton, Qt::LeftButton | Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(&view, &beyond);
    QCOMPARE(move.count(), 1);
    QCOMPARE(move[0][0].toInt(), 3);
    QCOMPARE(move[0][2].toFloat(), 50.0f);
    QCOMPARE(move[0][3].toFloat(), 12.0f);

    QTest::mouseRelease(&view, Qt::RightButton, Qt::NoModifier, QPoint(100, 0));
    QCOMPARE(up.count(), 1);
    QCOMPARE(up[0][0].toInt(), 2);
    QCOMPARE(up[0][3].toFloat(), -3.0f);
}

void TestChainView::coveredViewKeepsItsImage() {
    // What is drawn survives a window passing over the view: the view paints from its image.
    ChainView view;
    view.resize(400, 300);
    view.setBackgroundColour(kViewBackground);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.setPenWidth(1);
    view.drawLine(48, -3, 48, 3, qRgb(255, 0, 255));
    QWidget cover;
    cover.setGeometry(view.geometry());
    cover.show();
    QVERIFY(QTest::qWaitForWindowExposed(&cover));
    cover.close();
    view.repaint();
    const QImage shown = shownImage(view);
    QCOMPARE(shown.pixel(view.toPixel(48, 1)), qRgb(255, 0, 255));
    QCOMPARE(countPixels(shown, qRgb(255, 0, 255)), 300);
}

QTEST_MAIN(TestChainView)
#include "chain_view_test.moc"
