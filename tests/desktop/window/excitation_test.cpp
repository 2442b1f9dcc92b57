// The left end and the tape: the drive through the real controls of the main window, and the
// mouse through real window events.

#include "desktop/view/chain_view.h"
#include "desktop/window/ondix15.h"
#include "instrument/hand_and_tape.h"
#include "support/view_bench.h"
#include "support/window_session.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QWindow>

#include <cmath>
#include <numbers>

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

// The sine's argument of the drive's last pass.
double driveArgument(const ChainState& s) {
    return double(s.driveTime) * double(s.omega) + double(s.drivePhase);
}

} // namespace

class TestExcitation : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { session_.reset(); }

    void driveStartsUpwardsAndStopsInMidSwing();
    void scrollBarReadOuts_data();
    void scrollBarReadOuts();
    void draggedThumbWaitsForRelease();
    void periodChangeKeepsThePhase_data();
    void periodChangeKeepsThePhase();

    void handDragFromTheLabelBeyondTheView();
    void tapeReadOutStaysAndLetsPressesThrough();
    void bothButtonsAndMiddleButton();
    void readOutsTakeNoTypingAndATapeOutlivesAResize();

private:
    ChainState& s() { return session_->state; }
    TapeOrigin origin() const { return session_->window->instrument().tapeOrigin(); }
    const MainControls& c() const { return session_->c(); }
    void passes(int n) { session_->runPasses(n); }
    // Real mouse events, delivered to the window as the window system would.
    QPoint at(float x, float y) const {
        return c().view()->mapTo(window_, c().view()->toPixel(x, y));
    }
    QPoint centreOf(const QWidget& w) const { return w.mapTo(window_, w.rect().center()); }
    void mouse(QTest::MouseAction action, Qt::MouseButton button, QPoint p) {
        if (p.x() >= window_->width() || p.y() >= window_->height()) { // meant to be outside
            QTest::ignoreMessage(QtWarningMsg,
                                 QRegularExpression(QStringLiteral("outside target window")));
        }
        QTest::mouseEvent(action, window_->windowHandle(), button, {}, p);
    }
    void press(Qt::MouseButton b, QPoint p) { mouse(QTest::MousePress, b, p); }
    void move(QPoint p) { mouse(QTest::MouseMove, Qt::NoButton, p); }
    void release(Qt::MouseButton b, QPoint p) { mouse(QTest::MouseRelease, b, p); }

    std::unique_ptr<WindowSession> session_;
    Ondix15* window_ = nullptr;
};

void TestExcitation::init() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    // The load handler's run stops after its first pass; the tests run passes themselves.
    session_ = std::make_unique<WindowSession>();
    window_ = session_->window.get();
    session_->startHalted();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
}

void TestExcitation::driveStartsUpwardsAndStopsInMidSwing() {
    // The switch's captions and colours are every-control rows of the operator controls' test.
    c().button(Role::kDriveSwitch)->click();
    passes(1);
    QVERIFY(s().y[0] < 0);
    passes(40);
    const float y0 = s().y[0];
    c().button(Role::kDriveSwitch)->click();
    passes(5); // held where it was
    QCOMPARE(s().y[0], y0);
}

void TestExcitation::scrollBarReadOuts_data() {
    QTest::addColumn<bool>("period");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("quantity"); // the amplitude, or the period 2 pi / omega
    QTest::addRow("amplitude 0,3, not its float's digits") << false << 3 << "0,3" << 0.3;
    QTest::addRow("shortest period") << true << 10 << "1" << 1.0;
    QTest::addRow("longest period") << true << 1000 << "100" << 100.0;
}

void TestExcitation::scrollBarReadOuts() {
    QFETCH(bool, period);
    QFETCH(int, value);
    QFETCH(QString, text);
    QFETCH(double, quantity);
    (period ? c().scrollBar(Role::kPeriodBar) : c().scrollBar(Role::kAmplitudeBar))
        ->setValue(value);
    QCOMPARE(
        (period ? c().textBox(Role::kPeriodReadout) : c().textBox(Role::kAmplitudeReadout))->text(),
        text);
    const double got = period ? kTwoPi / double(s().omega) : double(s().amplitude);
    QVERIFY(std::abs(got - quantity) < 1e-6 * quantity);
}

void TestExcitation::draggedThumbWaitsForRelease() {
    c().scrollBar(Role::kPeriodBar)->setSliderDown(true);
    c().scrollBar(Role::kPeriodBar)->setSliderPosition(500);
    QCOMPARE(c().textBox(Role::kPeriodReadout)->text(), QStringLiteral("25"));
    c().scrollBar(Role::kPeriodBar)->setSliderDown(false);
    QCOMPARE(c().textBox(Role::kPeriodReadout)->text(), QStringLiteral("50"));
}

void TestExcitation::periodChangeKeepsThePhase_data() {
    QTest::addColumn<bool>("switchedOff");
    QTest::addRow("while the drive runs") << false;
    QTest::addRow("off, re-timed twice, on again") << true;
}

void TestExcitation::periodChangeKeepsThePhase() {
    QFETCH(bool, switchedOff);
    c().button(Role::kDriveSwitch)->click();
    passes(263);
    const double theta = driveArgument(s());
    if (switchedOff) {
        c().button(Role::kDriveSwitch)->click();
        passes(10);
        c().scrollBar(Role::kPeriodBar)->setValue(40);
    }
    c().scrollBar(Role::kPeriodBar)->setValue(100);
    if (switchedOff) {
        c().button(Role::kDriveSwitch)->click();
    }
    const float before = s().y[0];
    passes(1);
    const double step = double(s().omega) * double(s().dt);
    QVERIFY(std::abs(s().y[0] + std::sin(theta + step)) < 1e-6);
    QVERIFY(std::abs(s().y[0] - before) < 1.01 * step); // no jump
    QVERIFY(s().drivePhase > kTwoPi);                   // never wrapped
}

void TestExcitation::handDragFromTheLabelBeyondTheView() {
    // Where a student grabs the fixed end: on its label, which hides on the press.
    press(Qt::LeftButton, centreOf(*c().label(Role::kFixedEndLabel)));
    QVERIFY(c().label(Role::kFixedEndLabel)->isHidden());
    const int x = centreOf(*c().label(Role::kFixedEndLabel)).x();
    move({x, -40});
    QVERIFY(s().y[0] < -3);
    move(at(1, 1.5f));
    QVERIFY(std::abs(s().y[0] - 1.5f) < 0.05f);
    move({x, window_->height() + 40});
    QVERIFY(s().y[0] > 3);
    const float held = s().y[0];
    release(Qt::LeftButton, {x, window_->height() + 40});
    QVERIFY(c().label(Role::kFixedEndLabel)->isVisible());
    passes(1); // the end stays where it was let go, and the chain takes it up
    QCOMPARE(s().y[0], held);
    QVERIFY(s().y[1] > 0);
}

void TestExcitation::tapeReadOutStaysAndLetsPressesThrough() {
    press(Qt::RightButton,
          centreOf(*c().label(Role::kLooseEndLabel))); // through the label, "Festes Ende" stays
    QVERIFY(c().label(Role::kFixedEndLabel)->isVisible() && origin().x > 85);
    move(at(70, origin().y));
    QVERIFY(c().textBox(Role::kTapeReadout)->isVisible() &&
            c().textBox(Role::kTapeReadout)->text().startsWith(QLatin1Char('-')));
    const QPoint below{window_->width() / 2, window_->height() + 40};
    move(below);
    release(Qt::RightButton, below);
    QVERIFY(!c().textBox(Role::kTapeReadout)->isHidden()); // until the next move over the view
    move(at(50, 0.5f));
    QVERIFY(c().textBox(Role::kTapeReadout)->isHidden());

    // A press on the read-out beside the pointer goes to the view.
    press(Qt::RightButton, at(40, 0.5f));
    move(at(52, 0.5f));
    release(Qt::RightButton, at(52, 0.5f));
    press(Qt::MiddleButton, centreOf(*c().textBox(Role::kTapeReadout)));
    release(Qt::MiddleButton, centreOf(*c().textBox(Role::kTapeReadout)));
    QVERIFY(origin().x > 52);
    QCOMPARE(s().y[0], 0.0f);
}

void TestExcitation::bothButtonsAndMiddleButton() {
    press(Qt::RightButton, at(20, 1));
    move(at(35, 1));
    QVERIFY(c().textBox(Role::kTapeReadout)->isVisible());
    press(Qt::LeftButton, at(35, 1));
    move(at(40, -2)); // both held: nothing moves, the read-out goes
    QVERIFY(c().textBox(Role::kTapeReadout)->isHidden() &&
            c().label(Role::kFixedEndLabel)->isHidden());
    release(Qt::RightButton, at(40, -2)); // any release shows "Festes Ende" again
    QVERIFY(c().label(Role::kFixedEndLabel)->isVisible());
    release(Qt::LeftButton, at(40, -2));
    QCOMPARE(s().y[0], 0.0f);

    press(Qt::RightButton, at(20, 1));
    move(at(30, 1));
    release(Qt::RightButton, at(30, 1));
    press(Qt::MiddleButton, at(30, 1)); // moves the tape's origin only
    QVERIFY(c().label(Role::kFixedEndLabel)->isVisible() &&
            c().textBox(Role::kTapeReadout)->isVisible());
    QVERIFY(std::abs(origin().x - 30) < 0.2f);
    move(at(70, 2));
    QVERIFY(c().textBox(Role::kTapeReadout)->isHidden());
    release(Qt::MiddleButton, at(70, 2));
    QCOMPARE(s().y[0], 0.0f);
}

// The tape's ticks in the view: runs of black pixels in the row just above the line y = 1.
int tapeTicks(ChainView& view) {
    const QImage image = shownImage(view);
    const int row = view.toPixel(0, 0.95).y();
    int ticks = 0;
    for (int x = 1; x < image.width(); ++x) {
        ticks += image.pixel(x, row) == qRgb(0, 0, 0) && image.pixel(x - 1, row) != qRgb(0, 0, 0);
    }
    return ticks;
}

void TestExcitation::readOutsTakeNoTypingAndATapeOutlivesAResize() {
    for (const Control box :
         {Role::kAmplitudeReadout, Role::kPeriodReadout, Role::kClockReadout, Role::kDriveState}) {
        QLineEdit* read = c().textBox(box);
        const QString shown = read->text();
        read->setFocus();
        QTest::keyClicks(read, QStringLiteral("50"));
        QTest::keyClick(read, Qt::Key_Return);
        QVERIFY(read->hasFocus());
        QCOMPARE(read->text(), shown);
    }
    press(Qt::RightButton, at(10, 1));
    move(at(30, 1));
    release(Qt::RightButton, at(30, 1));
    const QString reading = c().textBox(Role::kTapeReadout)->text();
    ChainView& view = *c().view();
    const int ticks = tapeTicks(view);
    QVERIFY(ticks >= 20);
    view.resize(view.size() * 3 / 4);
    QTRY_COMPARE(view.picture().width(), view.width());
    QCOMPARE(tapeTicks(view), ticks);
    QVERIFY(c().textBox(Role::kTapeReadout)->isVisible());
    QCOMPARE(c().textBox(Role::kTapeReadout)->text(), reading);
}

QTEST_MAIN(TestExcitation)
#include "excitation_test.moc"
