// What the chain view hands the screen: updates while the run loop runs, and only where the
// pixels changed. Paint events of a shown view under the offscreen platform.

#include "core/chain_state.h"
#include "sim/chain_runner.h"
#include "sim/chain_view.h"
#include "support/view_bench.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QLocale>
#include <QPaintEvent>
#include <QTest>
#include <QThread>

namespace {

// Collects the regions of the paint events the view receives.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(ChainView& view) { view.installEventFilter(this); }

    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent*>(event)->region();
            ++paints;
        }
        return false;
    }

    QRegion painted;
    int paints = 0;
};

qint64 area(const QRegion& region) {
    qint64 sum = 0;
    for (const QRect& rect : region) {
        sum += qint64(rect.width()) * rect.height();
    }
    return sum;
}

// A shown view of the window's size with the chain at rest drawn and on the screen.
struct ShownBench : ViewBench {
    ShownBench() : ViewBench({1280, 655}) {
        view.setPenWidth(4);
        view.show();
        run(1);
        QTest::qWait(50);
    }
};

} // namespace

class TestChainViewUpdates : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void screenFollowsWhileTheLoopRuns();
    void onlyChangedPixelsAreUpdated();
    void clockStoppedInTheLoopKeepsItsLastCount();
    void sharpAtTheScreensScale();
};

void TestChainViewUpdates::screenFollowsWhileTheLoopRuns() {
    ShownBench bench;
    bench.state.harmonicOn = 1;
    bench.state.amplitude = 2;
    PaintRecorder recorder(bench.view);
    QElapsedTimer running;
    running.start();
    QRegion paintedWhileRunning;
    bench.onPass = [&](const ChainRunner::ShowFrame& show) {
        show();
        QCoreApplication::processEvents();
        QThread::msleep(2);
        if (running.elapsed() >= 150) {
            // Before the loop's last update at its end.
            paintedWhileRunning = recorder.painted;
            bench.state.halted = 1;
        }
    };
    bench.run(1 << 30);
    // The driven left end has moved off the line at rest; the screen got its dot and lost
    // the one at rest.
    QVERIFY(bench.state.y[0] > 0.2f || bench.state.y[0] < -0.2f);
    QVERIFY(paintedWhileRunning.contains(bench.view.toPixel(1, 0)));
    QVERIFY(recorder.paints >= 3);
}

void TestChainViewUpdates::onlyChangedPixelsAreUpdated() {
    ShownBench bench;
    PaintRecorder recorder(bench.view);
    // A chain at rest is drawn again on every pass, but nothing changes on the screen.
    bench.run(8);
    QTest::qWait(50);
    QCOMPARE(recorder.paints, 0);

    // One mass lifted: the update holds its dot's old and new places and its neighbours',
    // which the pass moved, and nothing of the masses far from it.
    bench.state.y[50] = -1;
    bench.run(1);
    QTRY_VERIFY(recorder.paints > 0);
    ChainView& view = bench.view;
    QVERIFY(recorder.painted.contains(view.toPixel(51, 0)));
    QVERIFY(recorder.painted.contains(view.toPixel(51, bench.state.y[50])));
    QVERIFY(!recorder.painted.contains(view.toPixel(41, 0)));
    QVERIFY(!recorder.painted.contains(view.toPixel(61, 0)));
    QVERIFY(area(recorder.painted) < view.width() * view.height() / 100);
}

void TestChainViewUpdates::clockStoppedInTheLoopKeepsItsLastCount() {
    // The loop writes the clock's text once a display frame; stopped between two frames, the
    // clock still shows the time of the last pass it counted, as at a halt.
    ShownBench bench;
    bench.state.clockOn = 1;
    bench.state.clockTime = 0;
    int passes = 0;
    bench.onPass = [&](const ChainRunner::ShowFrame& /*show*/) {
        if (++passes == 7) {
            bench.state.clockOn = 0;
        }
    };
    bench.run(12);
    QCOMPARE(bench.clock.text(), QStringLiteral("  0,7"));
}

// Run once more at QT_SCALE_FACTOR=2: the screen then shows two device pixels a logical pixel,
// and the dot of mass 0 (pen 4) is 8 device pixels tall, with no pixel of a mixed colour at its
// edges.
void TestChainViewUpdates::sharpAtTheScreensScale() {
    const qreal scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
    ShownBench bench;
    ChainView& view = bench.view;
    const QImage shown = view.grab().toImage();
    QCOMPARE(shown.devicePixelRatio(), scale);
    QCOMPARE(shown.size(), view.size() * scale);
    const QPoint centre = view.toDevicePixel(1, 0);
    const auto column = [&](const QImage& image) {
        QString runs;
        for (int row = centre.y() - 20; row <= centre.y() + 20; ++row) {
            const QRgb pixel = image.pixel(centre.x(), row) & 0xffffffu;
            runs += pixel == 0 ? '#' : pixel == (kViewBackground & 0xffffffu) ? '.' : '?';
        }
        return runs.simplified();
    };
    const QString expected = QString(20 - int(2 * scale), '.') + QString(int(4 * scale), '#') +
                             QString(21 - int(2 * scale), '.');
    QCOMPARE(column(shown), expected);
}

QTEST_MAIN(TestChainViewUpdates)
#include "chain_view_updates_test.moc"
