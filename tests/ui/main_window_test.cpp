// The real start-up of the main window on the test's screen: the layout, the read-outs before
// the run loop first handles events, and the chain view's colour.

#include "layout_expectations.h"
#include "sim/chain_view.h"
#include "ui/ondix15.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTest>

#include <functional>
#include <memory>

namespace {

// Runs the load handler; the run stops after its first pass. `firstYield` sees the window
// when the run loop is about to handle pending events for the first time.
std::unique_ptr<Ondix15> startUp(std::function<void(Ondix15&)> firstYield = {}) {
    auto self = std::make_shared<Ondix15*>(nullptr);
    auto window = std::make_unique<Ondix15>(
        [self, firstYield, yields = 0](const ChainRunner::ShowFrame& /*show*/) mutable {
            if (++yields == 1 && firstYield) {
                firstYield(**self);
            }
            (*self)->state().halted = 1;
        });
    *self = window.get();
    window->Form_Load();
    return window;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void testScreenIsTheIntendedOne();
    void readOutsBeforeTheFirstEvents();
    void windowAndChildrenFollowTheScreen();
};

void TestMainWindow::testScreenIsTheIntendedOne() {
    // A registration of this test on a configured screen names its size, so that a
    // configuration that did not take effect shows.
    const QByteArray expected = qgetenv("EXPECTED_SCREEN_SIZE");
    if (expected.isEmpty()) {
        QSKIP("the platform's default screen");
    }
    const QSize size = QGuiApplication::primaryScreen()->geometry().size();
    QCOMPARE(QStringLiteral("%1x%2").arg(size.width()).arg(size.height()),
             QString::fromLatin1(expected));
}

void TestMainWindow::readOutsBeforeTheFirstEvents() {
    QStringList readOuts;
    bool visible = false;
    const auto window = startUp([&](Ondix15& w) {
        const MainControls& c = w.controls();
        readOuts = {c.Text2->text(), c.Text3->text(), c.Text5->text(), c.Text4->text()};
        visible = w.isVisible();
    });
    QVERIFY(visible);
    QCOMPARE(readOuts, (QStringList{"1", "25", "Off", "0"}));
}

void TestMainWindow::windowAndChildrenFollowTheScreen() {
    const auto window = startUp();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QTRY_COMPARE(window->frameGeometry(),
                 QRect(screen.topLeft(), QSize(screen.width(), qRound(0.96 * screen.height()))));
    LayoutExpectations::checkDirectChildren(*window);

    ChainView& view = *window->controls().Picture1;
    const QImage& image = view.image();
    QCOMPARE(image.pixel(view.toPixel(50, -1.5)) & 0xffffffu, qRgb(255, 255, 224) & 0xffffffu);
}

QTEST_MAIN(TestMainWindow)
#include "main_window_test.moc"
