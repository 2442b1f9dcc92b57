// What the chain view hands the screen: updates while the run loop runs, and only where the
// pixels changed. Paint events of a shown view under the offscreen platform.

#include "core/chain_state.h"
#include "desktop/view/chain_view.h"
#include "support/desktop_replay.h"
#include "support/session_steps.h"
#include "support/view_bench.h"

#include <QBackingStore>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QPaintEvent>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

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
    void screenShowsWhatWasDrawn();
};

void TestChainViewUpdates::screenFollowsWhileTheLoopRuns() {
    ShownBench bench;
    bench.state.harmonicOn = 1;
    bench.state.amplitude = 2;
    PaintRecorder recorder(bench.view);
    QElapsedTimer running;
    running.start();
    QRegion paintedWhileRunning;
    bench.onPass = [&](const ViewBench::ShowFrame& show) {
        show();
        QCoreApplication::processEvents();
        QThread::msleep(2);
    };
    while (running.elapsed() < 150) {
        bench.run(1);
        // Before the last update of the run at its end.
        paintedWhileRunning = recorder.painted;
    }
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
    bench.onPass = [&](const ViewBench::ShowFrame& /*show*/) {
        if (++passes == 7) {
            bench.state.clockOn = 0;
        }
    };
    bench.run(12);
    QCOMPARE(bench.clock.text(), QStringLiteral("  0,7"));
}

// At every scale the test is registered for: the screen shows that many device pixels a logical
// pixel, and the dot of mass 0 (pen 4) is as many times 4 device pixels tall as the scale
// rounds to, with no pixel of a mixed colour at its edges.
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
    const int pen = qRound(4 * scale);
    const QString expected =
        QString(20 - pen / 2, '.') + QString(pen, '#') + QString(21 - pen + pen / 2, '.');
    QCOMPARE(column(shown), expected);
}

// The session both editions replay, in the real window, at the screen's scale: after every step,
// once its frame is on the screen, the chain view's device pixels there (those whose centres lie
// in the view), as the partial repaints of the frames and the handlers left them, are exactly
// what a full repaint of the window puts there. The session lays the tape by mouse, keys and
// finger, shows the keyboard pointer and every marker, and runs the heavy half's wide pen. The
// offscreen platform's screen is the window's backing store.
void TestChainViewUpdates::screenShowsWhatWasDrawn() {
    QFile table(QStringLiteral(":/session/session.steps"));
    QVERIFY(table.open(QIODevice::ReadOnly));
    const std::vector<std::string> steps = SessionSteps::of(table.readAll().toStdString());
    DesktopReplay replay(steps);
    QWidget& window = *replay.session().window;
    ChainView& view = replay.session().view();
    // A pixel no paint reached shows a colour of the test's own.
    constexpr QRgb kUnpainted = qRgb(1, 254, 3);
    QString fault;
    QString unpainted;
    int compared = 0;
    replay.afterStep = [&] {
        view.flush();
        // Two rounds: after the main window is activated again (the session's focus step), the
        // update that a shown child posts is handled only behind the activation's own events.
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        if (compared++ == 0) {
            dynamic_cast<QImage&>(*window.backingStore()->paintDevice()).fill(kUnpainted);
            // Opaque widgets are painted by themselves, not by their parent's repaint.
            window.repaint();
            for (QWidget* child : window.findChildren<QWidget*>()) {
                child->repaint();
            }
        }
        // A copy, while no paint is under way.
        const QImage screen = dynamic_cast<QImage&>(*window.backingStore()->paintDevice()).copy();
        const qreal ratio = screen.devicePixelRatio();
        QImage full(screen.size(), screen.format());
        full.setDevicePixelRatio(ratio);
        full.fill(kUnpainted);
        window.render(&full);
        const QRect g = view.geometry();
        const auto device = [&](int logical, double shift) {
            return int(std::ceil(logical * ratio - shift));
        };
        // The view's own pixels; with a fractional scale, those it shares with its neighbours.
        const QRect own(QPoint(device(g.left(), 0.5), device(g.top(), 0.5)),
                        QPoint(device(g.right() + 1, 0.5) - 1, device(g.bottom() + 1, 0.5) - 1));
        const QRect touched(QPoint(int(g.left() * ratio), int(g.top() * ratio)),
                            QPoint(device(g.right() + 1, 0) - 1, device(g.bottom() + 1, 0) - 1));
        const auto at = [&](int x, int y) {
            return QStringLiteral("after step %1, device pixel %2,%3 of the screen "
                                  "is %4, a full repaint makes it %5")
                .arg(compared)
                .arg(x)
                .arg(y)
                .arg(screen.pixel(x, y), 0, 16)
                .arg(full.pixel(x, y), 0, 16);
        };
        for (int y = touched.top(); y <= touched.bottom(); ++y) {
            const auto* shown = reinterpret_cast<const QRgb*>(screen.constScanLine(y));
            const auto* repainted = reinterpret_cast<const QRgb*>(full.constScanLine(y));
            for (int x = touched.left(); x <= touched.right(); ++x) {
                if (fault.isEmpty() && shown[x] != repainted[x] && own.contains(x, y)) {
                    fault = at(x, y);
                }
                if (unpainted.isEmpty() && shown[x] == kUnpainted) {
                    unpainted = at(x, y);
                }
            }
        }
    };
    replay.run();
    const qreal scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
    QCOMPARE(view.devicePixelRatioF(), scale);
    QCOMPARE(compared, std::count_if(steps.begin(), steps.end(), [](const std::string& step) {
                 return !step.starts_with("passes");
             }));
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    QVERIFY2(unpainted.isEmpty(), qPrintable(unpainted));
}

QTEST_MAIN(TestChainViewUpdates)
#include "chain_view_updates_test.moc"
