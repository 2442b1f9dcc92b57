// The hand and the tape without a mouse: keys on the focused view and fingers on a touch screen
// must do what the mouse does at the same points, and the focus must show outside the view's
// image. All in the main window.

#include "desktop/view/chain_view.h"
#include "desktop/window/main_layout.h"
#include "desktop/window/ondix15.h"
#include "instrument/hand_and_tape.h"
#include "instrument/input_codes.h"
#include "support/view_bench.h"

#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <memory>
#include <tuple>
#include <vector>

namespace {

// Sends keys written as in a key list, "Shift+Right*3" for three clicks of Shift+Right; a
// leading + only presses the key (held), - only releases it, ~ sends a held key's repeat.
void send(QWidget* to, const QString& keys) {
    for (const QString& word : keys.split(u' ')) {
        const QStringList nameTimes = word.mid(word.front().isLetter() ? 0 : 1).split(u'*');
        const QKeyCombination k = QKeySequence(nameTimes[0])[0];
        for (int n = nameTimes.value(1, QStringLiteral("1")).toInt(); n > 0; --n) {
            QKeyEvent press(QEvent::KeyPress, k.key(), k.keyboardModifiers());
            QKeyEvent release(QEvent::KeyRelease, k.key(), k.keyboardModifiers(), {},
                              word.front() == u'~');
            word.front() == u'-' || word.front() == u'~' || QApplication::sendEvent(to, &press);
            word.front() == u'+' || QApplication::sendEvent(to, &release);
        }
    }
}

// The main window, its run halted after the first pass as the "Halt" button does it, active and
// with the keyboard focus on the chain view.
struct Window : Ondix15 {
    const MainControls& c = controls();
    const ChainState& chain = state();
    Window() : Ondix15(Pacing::ByCaller) {
        load();
        runPasses(1);
        c.button(Role::kHaltButton)->click();
        activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(this));
        c.view()->setFocus(Qt::TabFocusReason);
    }
    // What a student sees and what the next pass takes from the handlers, exactly.
    QString outcome() {
        return QString::asprintf(
            "y0 %.9g origin %.9g,%.9g Festes Ende %d read-out %d \"%s\"", double(chain.y[0]),
            double(instrument().tapeOrigin().x), double(instrument().tapeOrigin().y),
            c.label(Role::kFixedEndLabel)->isVisible(), c.textBox(Role::kTapeReadout)->isVisible(),
            qPrintable(c.textBox(Role::kTapeReadout)->text()));
    }
};

} // namespace

class TestKeyboardTouch : public QObject {
    Q_OBJECT

private slots:
    void keysAreTheMouse();
    void focusShowsOutsideTheViewAndKeysNeedIt();
    void fingersAreTheMouse();
};

void TestKeyboardTouch::keysAreTheMouse() {
    using Signal = void (ChainView::*)(int, int, float, float);
    const Signal down = &ChainView::mouseDown, move = &ChainView::mouseMove,
                 up = &ChainView::mouseUp;
    // Each row: the keys, and the mouse's signals with their button and point.
    const std::vector<std::pair<const char*, std::vector<std::tuple<Signal, int, float, float>>>>
        cases{
            // The hand's keys held: the left button at the end, a tenth a step, Shift half a unit.
            {"+Up*3 +Shift+Down", {{down, 1, 1, 0}, {move, 1, 1, 0.2f}}},
            {"+Up +Down -Up ~Down", {{down, 1, 1, 0}, {move, 1, 1, -0.1f}, {move, 1, 1, 0}}},
            // Let go with the last key, no further than the view's bottom; let go with the focus.
            {"+Shift+Down*8 -Shift+Down", {{down, 1, 1, 0}, {move, 1, 1, 3}, {up, 1, 1, 3}}},
            {"+Up Tab", {{down, 1, 1, 0}, {move, 1, 1, -0.1f}, {up, 1, 1, -0.1f}}},
            // The tape from the pointer at 10,3: 12,4 with its ticks; 0,1 where 10.4f reads 0.
            {"M Shift+Right*3 Return Right*12 Shift+Right*4 Esc",
             {{down, 2, 10.3f, 0}, {move, 2, 22.7f, 0}, {up, 2, 0, 0}}},
            {"M Shift+Right*3 Return Shift+Right",
             {{down, 2, 10.3f, 0}, {move, 2, 10.3f, 0}, {move, 2, 10.4001f, 0}}},
            // Leftwards from 10 with the pointer a unit up: -2,4, no ticks.
            {"M Up*10 Space Left*2 Shift+Left*4 Return",
             {{down, 2, 10, -1}, {move, 2, 10, -1}, {move, 2, 7.6000004f, -1}}},
        };
    for (const auto& [keys, mouse] : cases) {
        Window byMouse;
        Window byKeys; // the active window
        const QString row = QString::fromLatin1(keys);
        send(byKeys.c.view(), row);
        for (const auto& [signal, button, x, y] : mouse) {
            (byMouse.c.view()->*signal)(button, 0, x, y);
        }
        QCOMPARE(row + u' ' + byKeys.outcome(), row + u' ' + byMouse.outcome());
        QVERIFY2(shownImage(*byKeys.c.view()) == shownImage(*byMouse.c.view()), keys);
    }
}

void TestKeyboardTouch::focusShowsOutsideTheViewAndKeysNeedIt() {
    Window w;
    ChainView* view = w.c.view();
    auto* mark = w.findChild<QWidget*>(QStringLiteral("Picture1Focus"));
    auto* pointer = view->findChild<QWidget*>(QStringLiteral("KeyboardPointer"));
    auto* bar = w.c.scrollBar(Role::kAmplitudeBar);
    bar->setFocus(Qt::MouseFocusReason);
    const QImage before = view->grab().toImage();
    const int value = bar->value();
    send(bar, QStringLiteral("Right M")); // the scroll bar's keys, as before
    QVERIFY(bar->value() != value && mark->isHidden() && pointer->isHidden());
    send(bar, QStringLiteral("Shift+Tab")); // back to the view, the first stop
    const QRect g = view->geometry();
    QVERIFY(view->hasFocus() && mark->isVisible() && mark->height() >= 2);
    QCOMPARE(mark->geometry(), QRect(g.left(), g.bottom() + 1, g.width(), mark->height()));
    QCOMPARE(w.grab().toImage().pixel(g.center().x(), g.bottom() + 1),
             mark->palette().color(QPalette::Highlight).rgb());
    QCOMPARE(view->grab().toImage(), before);
    send(view, QStringLiteral("M Return Right*2"));
    QVERIFY(pointer->isVisible() && view->accessibleName().endsWith(u"Messband 2"));
    QVERIFY(view->toolTip().contains(u"Messband"));
    send(view, QStringLiteral("Tab")); // the tape's read-out, then the panels
    QVERIFY(mark->isHidden() && pointer->isHidden() && w.c.textBox(Role::kTapeReadout)->hasFocus());
    send(w.c.textBox(Role::kTapeReadout), QStringLiteral("Tab"));
    QVERIFY(bar->hasFocus());
    QWidget* last = w.c.button(Role::kTorsionOption); // the last stop; Tab goes round to the view
    last->setFocus(Qt::MouseFocusReason);
    send(last, QStringLiteral("Tab"));
    QVERIFY(view->hasFocus() && mark->isVisible());
    // The band follows the view when the window is laid out anew, on a larger screen.
    MainLayout::layOut(w, w.c, w.tools(), {QRect(0, 0, 1920, 1080)});
    QVERIFY(view->width() > g.width());
    QCOMPARE(mark->geometry(),
             QRect(0, view->geometry().bottom() + 1, view->width(), mark->height()));
    // Focus taken by a click shows the band only once a key is pressed in the view.
    bar->setFocus(Qt::TabFocusReason);
    QTest::mouseClick(view, Qt::LeftButton, {}, {600, 500});
    QVERIFY(view->hasFocus() && mark->isHidden());
    send(view, QStringLiteral("Left"));
    QVERIFY(mark->isVisible());
}

void TestKeyboardTouch::fingersAreTheMouse() {
    const std::unique_ptr<QPointingDevice> screen(QTest::createTouchDevice());
    Window byMouse;
    Window byFinger;
    auto touch = [&] { return QTest::touchEvent(byFinger.c.view(), screen.get()); };
    auto drag = [&](Qt::MouseButton button, QPoint from, QPoint to) {
        QTest::mousePress(byMouse.c.view(), button, {}, from);
        QTest::mouseMove(byMouse.c.view(), to);
        QTest::mouseRelease(byMouse.c.view(), button, {}, to);
    };
    touch().press(0, {10, 300});
    touch().move(0, {12, 100}).press(1, {500, 500}); // a short touch and drag: the hand
    touch().move(0, {12, 100}).move(1, {700, 20});   // a second finger does nothing
    touch().release(0, {12, 100}).move(1, {700, 20});
    QVERIFY(byFinger.c.label(Role::kFixedEndLabel)->isVisible()); // let go with the first finger
    touch().release(1, {700, 500});
    drag(Qt::LeftButton, {10, 300}, {12, 100});
    QCOMPARE(byFinger.outcome(), byMouse.outcome());

    // Held still for the hold time, then moved: the tape, as the right button lays it.
    touch().press(0, {100, 400});
    QTest::qWait(int(InputCodes::kHoldMs) + 50);
    touch().move(0, {225, 400});
    touch().release(0, {225, 400});
    drag(Qt::RightButton, {100, 400}, {225, 400});
    QCOMPARE(byFinger.outcome(), byMouse.outcome());

    // A touch pad's finger stays with the mouse: held still, then moved, it drags the end.
    const std::unique_ptr<QPointingDevice> pad(
        QTest::createTouchDevice(QInputDevice::DeviceType::TouchPad));
    QTest::touchEvent(byFinger.c.view(), pad.get()).press(0, {100, 400});
    QTest::qWait(int(InputCodes::kHoldMs) + 50);
    QTest::touchEvent(byFinger.c.view(), pad.get()).move(0, {225, 400});
    QTest::touchEvent(byFinger.c.view(), pad.get()).release(0, {225, 400});
    drag(Qt::LeftButton, {100, 400}, {225, 400});
    QCOMPARE(byFinger.outcome(), byMouse.outcome());
}

QTEST_MAIN(TestKeyboardTouch)
#include "keyboard_touch_test.moc"
