// A classroom's worth of random input against the real main window with its run loop running:
// clicks on every button and option, arrow, track and thumb gestures on every scroll bar,
// presses, moves and releases of every button combination in the chain view (far outside it
// too), typing into every text field, the information windows opened, moved and closed, bursts
// of Halt and Weiter and every toggle during a halt. The events come from inside the run loop's
// yields (and from a timer while the run is halted), and after every batch the chain state, the
// captions and the markers must agree. Among the events are also keys on the focused chain view
// and one to three fingers on it.
//
// ONDIX_ENDURANCE_SEED replays a run exactly; ONDIX_ENDURANCE_EVENTS sets its length (the
// default suits a test run; a lesson's worth is a few million).

#include "core/chain_constants.h"
#include "core/chain_state.h"
#include "desktop/platform/qt_colour.h"
#include "desktop/view/chain_view.h"
#include "desktop/window/ondix15.h"
#include "instrument/info_pages.h"
#include "instrument/input_codes.h"
#include "support/expected_look.h"
#include "support/scroll_bar_part.h"
#include "support/window_session.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <cstdio>
#include <functional>
#include <limits>
#include <memory>
#include <random>
#include <vector>

namespace {

constexpr int kEventsPerBatch = 20;

qint64 environmentNumber(const char* name, qint64 fallback) {
    bool ok = false;
    const qint64 value = qEnvironmentVariable(name).toLongLong(&ok);
    return ok ? value : fallback;
}

// The failures of one run, collected so that the run can end cleanly and report all of them.
struct Findings {
    QStringList problems;
    void expect(bool condition, const QString& what) {
        if (!condition && problems.size() < 50) {
            problems << what;
        }
    }
};

class Classroom {
public:
    Classroom(WindowSession& session, quint64 seed, qint64 events)
        : session_(session), window_(*session.window), c_(session.c()), random_(seed),
          eventsWanted_(events) {
        buttons_ = {c_.button(Role::kClearVelocities),  c_.button(Role::kClearDisplacements),
                    c_.button(Role::kRefractionSwitch), c_.button(Role::kObstacleSwitch),
                    c_.button(Role::kClearAll),         c_.button(Role::kInfoButton),
                    c_.button(Role::kDriveSwitch),      c_.button(Role::kClockSwitch),
                    c_.button(Role::kDampingSwitch),    c_.button(Role::kHaltButton)};
        bars_ = {c_.scrollBar(Role::kAmplitudeBar), c_.scrollBar(Role::kPeriodBar),
                 c_.scrollBar(Role::kSpeedBar)};
        texts_ = {c_.textBox(Role::kTapeReadout), c_.textBox(Role::kAmplitudeReadout),
                  c_.textBox(Role::kPeriodReadout), c_.textBox(Role::kClockReadout),
                  c_.textBox(Role::kDriveState)};
    }

    // Called from the run loop's yield after it has handled pending events, and from the
    // timer while the run is halted.
    void onTurn() {
        if (finishing_) {
            finish();
            return;
        }
        if (lookAtStart_.isEmpty()) {
            lookAtStart_ = shownLook(c_, window_);
        }
        ++turns_;
        ++depth_;
        maxDepth_ = std::max(maxDepth_, depth_);
        for (int i = 0; i < kEventsPerBatch && eventsDelivered_ < eventsWanted_; ++i) {
            deliverOne();
        }
        checkInvariants();
        --depth_;
        finishing_ = eventsDelivered_ >= eventsWanted_;
    }

    // Called first in the yield, before any handler has run since the pass: the pass advanced
    // the clock by the step it found.
    void countPass() {
        ++passes_;
        expectedClock_ = static_cast<float>(double(s().dt) + double(expectedClock_));
        zeroedRows_.clear();
    }

    const Findings& findings() const { return findings_; }
    qint64 events() const { return eventsDelivered_; }
    qint64 passes() const { return passes_; }
    qint64 checks() const { return checks_; }
    int maxDepth() const { return maxDepth_; }
    bool done() const { return done_; }

private:
    ChainState& s() { return session_.state; }

    int uniform(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random_);
    }
    bool chance(int percent) { return uniform(1, 100) <= percent; }

    void deliverOne() {
        if (++eventsDelivered_ % 10000 == 0) {
            std::printf("classroom: %lld events, %lld passes\n",
                        static_cast<long long>(eventsDelivered_), static_cast<long long>(passes_));
            std::fflush(stdout);
        }
        switch (uniform(0, 10)) {
        case 0:
        case 1:
            clickButton(buttons_[static_cast<std::size_t>(uniform(0, int(buttons_.size()) - 1))]);
            break;
        case 2:
            click(chance(50) ? c_.button(Role::kTorsionOption) : c_.button(Role::kPendulumOption));
            break;
        case 3:
        case 4:
            scrollGesture(*bars_[static_cast<std::size_t>(uniform(0, 2))]);
            break;
        case 5:
        case 6:
            viewMouse();
            break;
        case 10:
            viewKeysOrFingers();
            break;
        case 7:
            typeInto(*texts_[static_cast<std::size_t>(uniform(0, 4))]);
            break;
        case 8:
            infoWindows();
            break;
        default:
            haltBurst();
            break;
        }
    }

    // A click as the student makes it, noted for what the window must show afterwards.
    void click(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton);
        operated_.note(controlOf(c_, button), s());
    }

    void clickButton(QAbstractButton* button) {
        const bool clears = button == c_.button(Role::kClearDisplacements) ||
                            button == c_.button(Role::kClearAll) ||
                            (button == c_.button(Role::kRefractionSwitch) && s().refractionOn == 1);
        click(button);
        if (button == c_.button(Role::kDriveSwitch)) {
            driveIndicatorTyped_ = false;
        }
        // Cleared fields stay zero until the next pass (the hand may still move the end).
        if (button == c_.button(Role::kClearVelocities) || button == c_.button(Role::kClearAll)) {
            zeroedRows_ << &s().v;
        }
        if (button == c_.button(Role::kClearDisplacements) ||
            button == c_.button(Role::kClearAll)) {
            zeroedRows_ << &s().y << &s().yShown;
            handMoved_ = false;
        }
        if (button == c_.button(Role::kClearAll)) {
            zeroedRows_ << &s().accel;
            expectedClock_ = 0;
        }
        if (button == c_.button(Role::kClockSwitch) && s().clockOn == 1) {
            expectedClock_ = 0;
        }
        if (clears) {
            checkMarkers();
        }
    }

    // Bursts of Halt and Weiter within one turn, as queued clicks after a stall deliver them.
    void haltBurst() {
        const int clicks = uniform(1, 6);
        for (int i = 0; i < clicks; ++i) {
            click(c_.button(Role::kHaltButton));
        }
        // The halt draws the refraction boundary again, wherever the heavy dots cut it.
        if (s().halted == 1 && s().refractionOn == 1) {
            findings_.expect(wrongRows(*c_.view(), Chain::kRefractionMarkerX,
                                       c_.view()->foregroundColour()) == 0,
                             QStringLiteral("refraction boundary not whole after a halt"));
        }
    }

    QPoint centreOf(QScrollBar& bar, QStyle::SubControl part) {
        return scrollBarPart(bar, part).center();
    }

    void scrollGesture(QScrollBar& bar) {
        switch (uniform(0, 3)) {
        case 0:
            QTest::mouseClick(&bar, Qt::LeftButton, {}, centreOf(bar, QStyle::SC_ScrollBarSubLine));
            break;
        case 1:
            QTest::mouseClick(&bar, Qt::LeftButton, {}, centreOf(bar, QStyle::SC_ScrollBarAddLine));
            break;
        case 2: {
            // A click in the track, on either side of the thumb.
            const QPoint at(uniform(0, bar.width() - 1), bar.height() / 2);
            QTest::mouseClick(&bar, Qt::LeftButton, {}, at);
            break;
        }
        default: {
            // The thumb dragged, sometimes far beyond the bar, then released.
            QPoint at = centreOf(bar, QStyle::SC_ScrollBarSlider);
            QTest::mousePress(&bar, Qt::LeftButton, {}, at);
            for (int step = uniform(1, 5); step > 0; --step) {
                at.rx() += uniform(-3 * bar.width(), 3 * bar.width());
                at.ry() += uniform(-40, 40);
                QTest::mouseMove(&bar, at);
            }
            QTest::mouseRelease(&bar, Qt::LeftButton, {}, at);
            break;
        }
        }
    }

    // Presses, moves and releases in the chain view through the window, so that the toolkit's
    // own pointer grab decides who gets them, positions far outside the window included.
    void viewMouse() {
        QWindow* handle = window_.windowHandle();
        if (handle == nullptr) {
            return;
        }
        handMoved_ = true;
        const QRect view(c_.view()->mapTo(&window_, QPoint(0, 0)), c_.view()->size());
        auto somewhere = [&] {
            if (chance(20)) {
                return QPoint(uniform(-100000, 100000), uniform(-100000, 100000));
            }
            return QPoint(uniform(view.left(), view.right()), uniform(view.top(), view.bottom()));
        };
        static constexpr Qt::MouseButton kButtons[] = {Qt::LeftButton, Qt::RightButton,
                                                       Qt::MiddleButton};
        std::vector<Qt::MouseButton> held;
        for (int step = uniform(1, 12); step > 0; --step) {
            const int what = uniform(0, 9);
            if (what < 3 && held.size() < 3) {
                const Qt::MouseButton button = kButtons[uniform(0, 2)];
                if (std::find(held.begin(), held.end(), button) == held.end()) {
                    QTest::mousePress(handle, button, {}, somewhere());
                    held.push_back(button);
                }
            } else if (what < 5 && !held.empty()) {
                QTest::mouseRelease(handle, held.back(), {}, somewhere());
                held.pop_back();
            } else {
                QTest::mouseMove(handle, somewhere());
            }
        }
        while (!held.empty()) {
            QTest::mouseRelease(handle, held.back(), {}, somewhere());
            held.pop_back();
        }
    }

    // Keys on the focused view, some held (Tab takes the focus away among them), or one to three
    // fingers on it, the first now and then held still past the long press; all let go at the end.
    void viewKeysOrFingers() {
        handMoved_ = true;
        QWidget* view = c_.view();
        if (chance(50)) {
            static constexpr Qt::Key kKeys[] = {Qt::Key_Up,     Qt::Key_Down,  Qt::Key_Left,
                                                Qt::Key_Right,  Qt::Key_M,     Qt::Key_Return,
                                                Qt::Key_Escape, Qt::Key_Space, Qt::Key_Tab};
            view->setFocus(Qt::TabFocusReason);
            for (int step = uniform(1, 12); step > 0; --step) { // held now and then, repeating
                const Qt::Key key = kKeys[uniform(0, 8)];
                const auto action = chance(30) && key != Qt::Key_Tab ? QTest::Press : QTest::Click;
                QTest::sendKeyEvent(action, view, key, QString(),
                                    chance(30) ? Qt::ShiftModifier : Qt::NoModifier);
            }
            for (const Qt::Key key : kKeys) {
                QTest::keyRelease(view, key);
            }
            return;
        }
        auto at = [&](int margin) {
            return QPoint(uniform(-margin, view->width() - 1 + margin),
                          uniform(0, view->height() - 1 + margin));
        };
        auto touch = [&] { return QTest::touchEvent(view, touchScreen_.get()); };
        touch().press(0, at(0));
        if (uniform(1, 500) == 1) { // a real wait: a few in a run
            QTest::qSleep(int(InputCodes::kHoldMs) + 20);
        }
        const int fingers = uniform(1, 3); // the others pressed, moved and lifted before the first
        for (int step = 0, moves = uniform(0, 7); step <= moves + 1; ++step) {
            QTest::QTouchEventSequence sequence = touch();
            sequence.move(0, at(200));
            for (int finger = 1; finger < fingers; ++finger) {
                step == 0       ? sequence.press(finger, at(200))
                : step <= moves ? sequence.move(finger, at(200))
                                : sequence.release(finger, at(200));
            }
        }
        touch().release(0, at(200));
    }

    void typeInto(QLineEdit& field) {
        // The read-outs are never read back: what is typed stays until the next write.
        driveIndicatorTyped_ = driveIndicatorTyped_ || &field == c_.textBox(Role::kDriveState);
        static const char kKeys[] = "0123456789,.-+eE a";
        for (int i = uniform(1, 8); i > 0; --i) {
            QTest::keyClick(&field, kKeys[uniform(0, int(sizeof kKeys) - 2)]);
        }
        if (chance(20)) {
            // Keys beyond ASCII, as a German keyboard types them.
            for (const QString& text : {QStringLiteral("ä"), QStringLiteral("ß")}) {
                QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
                QApplication::sendEvent(&field, &press);
                QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, text);
                QApplication::sendEvent(&field, &release);
            }
        }
        if (chance(30)) {
            QTest::keyClick(&field, chance(50) ? Qt::Key_Return : Qt::Key_Backspace);
        }
    }

    static QWidget* infoWindow(const char* name) {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() == QLatin1String(name) && top->isVisible()) {
                return top;
            }
        }
        return nullptr;
    }

    void infoWindows() {
        const char* names[] = {InfoPages::torsionChain().name.data(),
                               InfoPages::pendulumChain().name.data()};
        QWidget* info = infoWindow(names[uniform(0, 1)]);
        const int what = uniform(0, 2);
        if (info == nullptr || what == 0) {
            QTest::mouseClick(c_.button(Role::kInfoButton), Qt::LeftButton);
        } else if (what == 1) {
            info->move(uniform(-200, 1500), uniform(-200, 1000));
        } else {
            info->close();
        }
        int open = 0;
        for (const char* name : names) {
            open += infoWindow(name) != nullptr ? 1 : 0;
        }
        findings_.expect(open <= 2, QStringLiteral("more than one copy of an information window"));
    }

    // Right after a clear: each marker's column whole in its colour while its option is on, and
    // in the background's while off, but where the clear drew the end masses again.
    void checkMarkers() {
        ++checks_;
        const QString faults = markerFaults(*c_.view(), s(), &s().yShown);
        findings_.expect(faults ==
                             QStringLiteral("wrong rows: damping 0, obstacle 0, refraction 0"),
                         QStringLiteral("markers after a clear, ") + faults);
    }

    void checkInvariants() {
        ++checks_;
        ChainState& st = s();
        const QString at = QStringLiteral(" (after %1 events)").arg(eventsDelivered_);
        auto isSwitch = [](std::int16_t value) { return value == 0 || value == 1; };
        findings_.expect(isSwitch(st.halted) && isSwitch(st.harmonicOn) &&
                             isSwitch(st.refractionOn) && isSwitch(st.obstacleOn) &&
                             isSwitch(st.clockOn),
                         QStringLiteral("a switch outside 0 and 1") + at);
        const bool damped = st.endDamping == Chain::kDampingOn;
        findings_.expect(damped || st.endDamping == 0,
                         QStringLiteral("endDamping %1").arg(st.endDamping) + at);
        for (int i = 0; i <= 99; ++i) {
            const bool heavy = st.refractionOn == 1 && i >= Chain::kFirstHeavyMass;
            if (st.massFactor[i] != (heavy ? Chain::kHeavyMassFactor : Chain::kLightMassFactor)) {
                findings_.expect(
                    false, QStringLiteral("massFactor(%1) = %2").arg(i).arg(st.massFactor[i]) + at);
                break;
            }
        }
        findings_.expect(st.selfCoeff == Chain::kTorsionSelfCoeff ||
                             st.selfCoeff == Chain::kPendulumSelfCoeff,
                         QStringLiteral("selfCoeff %1").arg(st.selfCoeff) + at);
        findings_.expect(st.dt >= 0.01f && st.dt <= 0.5f, QStringLiteral("dt %1").arg(st.dt) + at);
        findings_.expect(st.dt ==
                             static_cast<float>(c_.scrollBar(Role::kSpeedBar)->value() / 100.0),
                         QStringLiteral("dt does not follow the speed bar") + at);
        findings_.expect(st.amplitude ==
                             static_cast<float>(c_.scrollBar(Role::kAmplitudeBar)->value() / 10.0),
                         QStringLiteral("amplitude does not follow its bar") + at);
        for (int i = 0; i <= 99; ++i) {
            if (!std::isfinite(st.y[i]) || !std::isfinite(st.v[i])) {
                findings_.expect(false, QStringLiteral("mass %1 not finite").arg(i) + at);
                break;
            }
        }
        findings_.expect(st.clockTime == expectedClock_,
                         QStringLiteral("clockTime not the sum of the steps since its start") + at);
        for (const ChainState::Row* row : zeroedRows_) {
            for (int i = handMoved_ && row == &st.y ? 1 : 0; i <= 99; ++i) {
                if ((*row)[i] != 0) {
                    findings_.expect(false, QStringLiteral("slot %1 not cleared").arg(i) + at);
                    break;
                }
            }
        }

        // Captions, indicators and their colours, word for word.
        QStringList shown = shownLook(c_, window_);
        QStringList expected = expectedLook(st, operated_, lookAtStart_);
        if (driveIndicatorTyped_) {
            // What the student typed stays in the drive's state field until its next toggle.
            shown.removeAt(2);
            expected.removeAt(2);
        }
        for (int i = 0; i < shown.size(); ++i) {
            findings_.expect(
                shown[i] == expected[i],
                QStringLiteral("shows \"%1\", must show \"%2\"").arg(shown[i], expected[i]) + at);
        }
    }

    // The end of a lesson: halt, "Löschen" with the drive off, continue, and the chain must come
    // to rest on the centre line.
    void finish() {
        switch (finishStage_) {
        case FinishStage::Halt:
            // A burst that was under way when the events ran out may have started a loop
            // again after the first halt: halt until none runs.
            if (session_.nesting > 0) {
                if (s().halted == 0) {
                    QTest::mouseClick(c_.button(Role::kHaltButton), Qt::LeftButton);
                }
                return;
            }
            if (s().harmonicOn == 1) {
                click(c_.button(Role::kDriveSwitch));
            }
            clickButton(c_.button(Role::kClearAll));
            finishStage_ = FinishStage::Settle;
            passesAtRest_ = passes_;
            // "Weiter" runs the loop inside this click until the settling stage halts it.
            QTest::mouseClick(c_.button(Role::kHaltButton), Qt::LeftButton);
            done_ = true;
            return;
        case FinishStage::Settle:
            if (passes_ - passesAtRest_ >= 200) {
                checkAtRest();
                finishStage_ = FinishStage::Done;
                QTest::mouseClick(c_.button(Role::kHaltButton), Qt::LeftButton);
            }
            return;
        case FinishStage::Done:
            return;
        }
    }

    void checkAtRest() {
        ++checks_;
        for (int i = 0; i <= ChainState::kLastMass; ++i) {
            if (s().y[i] != 0.0f || s().v[i] != 0.0f) {
                findings_.expect(false, QStringLiteral("mass %1 not at rest after Löschen").arg(i));
                break;
            }
        }
        ChainView& view = *c_.view();
        const QImage image = shownImage(view);
        for (int i = 0; i <= ChainState::kLastMass; i += 7) {
            const QPoint p = view.toPixel(float(i + 1), 0);
            findings_.expect(image.pixel(p) == qRgb(0, 0, 0),
                             QStringLiteral("no dot on the centre line at x %1").arg(i + 1));
        }
    }

    WindowSession& session_;
    Ondix15& window_;
    const MainControls& c_;
    std::mt19937_64 random_;
    qint64 eventsWanted_;
    qint64 eventsDelivered_ = 0;
    qint64 passes_ = 0;
    qint64 passesAtRest_ = 0;
    qint64 checks_ = 0;
    qint64 turns_ = 0;
    int depth_ = 0;
    int maxDepth_ = 0;
    bool finishing_ = false;
    bool driveIndicatorTyped_ = false;
    bool handMoved_ = false;
    float expectedClock_ = 0;
    QList<const ChainState::Row*> zeroedRows_;
    Operated operated_;
    QStringList lookAtStart_;
    enum class FinishStage { Halt, Settle, Done } finishStage_ = FinishStage::Halt;
    bool done_ = false;
    Findings findings_;
    std::vector<QAbstractButton*> buttons_;
    std::vector<QScrollBar*> bars_;
    std::vector<QLineEdit*> texts_;
    const std::unique_ptr<QPointingDevice> touchScreen_{QTest::createTouchDevice()};
};

// QTest warns of every mouse event outside the window, and the offscreen platform of every
// window it cannot raise; a lesson makes thousands of both on purpose.
QtMessageHandler previousHandler = nullptr;
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && (message.contains(QLatin1String("occurs outside target window")) ||
                                 message.contains(QLatin1String("does not support raise()")))) {
        return;
    }
    previousHandler(type, context, message);
}

} // namespace

class TestClassroom : public QObject {
    Q_OBJECT

private slots:
    void survivesALesson();
};

void TestClassroom::survivesALesson() {
    const auto seed = static_cast<quint64>(environmentNumber(
        "ONDIX_ENDURANCE_SEED", static_cast<qint64>(std::random_device{}() & 0x7fffffff)));
    const qint64 events = environmentNumber("ONDIX_ENDURANCE_EVENTS", 100000);
    std::printf("classroom: seed %llu (replay with ONDIX_ENDURANCE_SEED=%llu), %lld events\n",
                static_cast<unsigned long long>(seed), static_cast<unsigned long long>(seed),
                static_cast<long long>(events));
    std::fflush(stdout);

    previousHandler = qInstallMessageHandler(quietHandler);
    WindowSession session(std::numeric_limits<int>::max());
    Classroom lesson(session, seed, events);
    session.onPass = [&](int) { lesson.countPass(); };
    session.afterEvents = [&](int) { lesson.onTurn(); };

    // The passes run from the event loop, as the display frames run them; while the run is
    // halted no pass comes, and the timer goes on with the lesson then.
    session.runOnContinue = false;
    bool loaded = false;
    QTimer whileHalted;
    QObject::connect(&whileHalted, &QTimer::timeout, [&] {
        if (session.nesting == 0 && loaded && session.window->instrument().running()) {
            session.run();
        } else if (session.nesting == 0 && loaded) {
            if (lesson.done()) {
                QApplication::exit(0);
            } else {
                lesson.onTurn();
            }
        }
    });
    whileHalted.start(0);
    QTimer::singleShot(0, session.window.get(), [&] {
        loaded = true;
        session.start();
    });
    QApplication::exec();
    qInstallMessageHandler(previousHandler);

    std::printf("classroom: %lld events, %lld passes, %lld checks, batches nested %d deep\n",
                static_cast<long long>(lesson.events()), static_cast<long long>(lesson.passes()),
                static_cast<long long>(lesson.checks()), lesson.maxDepth());
    for (const QString& problem : lesson.findings().problems) {
        std::printf("  %s\n", qPrintable(problem));
    }
    if (!lesson.findings().problems.isEmpty()) {
        QFAIL(qPrintable(
            QStringLiteral("seed %1: %2").arg(seed).arg(lesson.findings().problems.first())));
    }
    QVERIFY(lesson.done());
    QCOMPARE(lesson.events(), events);
}

// A lesson may run for hours; Qt Test would stop any test function after five minutes.
int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT")) {
        qputenv("QTEST_FUNCTION_TIMEOUT", "86400000");
    }
    QApplication application(argc, argv);
    TestClassroom test;
    return QTest::qExec(&test, argc, argv);
}
#include "classroom_test.moc"
