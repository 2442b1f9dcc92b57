// The hand and the tape without a mouse: keys on the focused view and fingers on a touch screen
// must do what the mouse handlers do at the same points, and the focus must show outside the
// view's image.

#include "excite/chain_keys.h"
#include "excite/chain_touch.h"
#include "excite/hand_and_tape.h"
#include "sim/chain_view.h"
#include "ui/ondix15.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <memory>
#include <vector>

namespace {

// A window of the view with the controls the hand and tape touch, the keys and the fingers
// wired as in the program, and a scroll bar to take the focus.
struct Bench {
    ChainState state;
    QWidget window;
    ChainView* view = new ChainView(&window);
    QLabel* label3 = new QLabel(QStringLiteral("Festes Ende"), view);
    QLineEdit* text1 = new QLineEdit(view);
    QScrollBar* bar = new QScrollBar(Qt::Horizontal, &window);
    HandAndTape hand{state, *view, *label3, *text1};
    ChainKeys keys{state, *view, hand, *text1};
    ChainTouch touch{*view, hand};
    Bench() {
        setStartValues(state);
        window.resize(1000, 640);
        view->setGeometry(0, 0, 1000, 600);
        bar->setGeometry(0, 610, 1000, 20);
        text1->hide();
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        view->setFocus(Qt::TabFocusReason);
    }
    void key(QKeyCombination k, QTest::KeyAction a = QTest::Click) {
        QTest::sendKeyEvent(a, view, k.key(), QString(), k.keyboardModifiers());
    }
    // What a student sees and what the next pass takes from the handlers.
    QString outcome() {
        return QStringLiteral("y0 %1 origin %2,%3 Festes Ende %4 read-out %5 \"%6\"")
            .arg(state.y[0])
            .arg(state.mouseX)
            .arg(state.mouseY)
            .arg(label3->isVisible())
            .arg(text1->isVisible())
            .arg(text1->text());
    }
};

struct MouseStep {
    enum { Down, Move, Up } what;
    int button;
    float x, y;
};

constexpr auto kShift = Qt::ShiftModifier;

} // namespace

class TestKeyboardTouch : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void keysAreTheMouseHandlers();
    void endIsLetGoWithTheLastKeyOrTheFocus();
    void focusShowsOutsideTheViewAndKeysNeedIt();
    void fingers();
};

void TestKeyboardTouch::keysAreTheMouseHandlers() {
    struct Case {
        const char* name;
        std::vector<QKeyCombination> keys;
        std::vector<MouseStep> mouse;
    };
    const QKeyCombination up(Qt::Key_Up), right(Qt::Key_Right), m(Qt::Key_M);
    const std::vector<Case> cases{
        {"Up three times and Shift+Down, held: the left button at the end",
         {up, up, up, kShift | Qt::Key_Down},
         {{MouseStep::Down, 1, 1, 0}, {MouseStep::Move, 1, 1, 0.2f}}},
        {"the pointer to 10,3, 12 units and 4 tenths unrolled: reads 12,4 with its ticks",
         {m,
          kShift | Qt::Key_Right,
          kShift | Qt::Key_Right,
          kShift | Qt::Key_Right,
          Qt::Key_Return,
          right,
          right,
          right,
          right,
          right,
          right,
          right,
          right,
          right,
          right,
          right,
          right,
          kShift | Qt::Key_Right,
          kShift | Qt::Key_Right,
          kShift | Qt::Key_Right,
          kShift | Qt::Key_Right,
          Qt::Key_Escape},
         {{MouseStep::Down, 2, 10.3f, 0},
          {MouseStep::Move, 2, 22.7f, 0},
          {MouseStep::Up, 2, 0, 0}}},
        {"a tenth from 10,3 reads 0,1, where 10.4f itself would read 0",
         {m, kShift | Qt::Key_Right, kShift | Qt::Key_Right, kShift | Qt::Key_Right, Qt::Key_Return,
          kShift | Qt::Key_Right},
         {{MouseStep::Down, 2, 10.3f, 0},
          {MouseStep::Move, 2, 10.3f, 0},
          {MouseStep::Move, 2, 10.4001f, 0}}},
        {"leftwards from 10, pointer a unit up: reads -2,4, no ticks",
         {m, up, up, up, up, up, up, up, up, up, up, Qt::Key_Space, Qt::Key_Left, Qt::Key_Left,
          kShift | Qt::Key_Left, kShift | Qt::Key_Left, kShift | Qt::Key_Left,
          kShift | Qt::Key_Left, Qt::Key_Return},
         {{MouseStep::Down, 2, 10, -1},
          {MouseStep::Move, 2, 10, -1},
          {MouseStep::Move, 2, 7.6000004f, -1}}},
    };
    for (const Case& c : cases) {
        Bench byKeys;
        Bench byMouse;
        for (const QKeyCombination k : c.keys) {
            byKeys.key(k, c.mouse[0].button == 1 ? QTest::Press : QTest::Click);
        }
        for (const MouseStep& s : c.mouse) {
            const auto act = s.what == MouseStep::Down   ? &HandAndTape::Picture1_MouseDown
                             : s.what == MouseStep::Move ? &HandAndTape::Picture1_MouseMove
                                                         : &HandAndTape::Picture1_MouseUp;
            (byMouse.hand.*act)(s.button, 0, s.x, s.y);
        }
        QVERIFY2(byKeys.outcome() == byMouse.outcome(),
                 qPrintable(QStringLiteral("%1:\n keys  %2\n mouse %3")
                                .arg(c.name, byKeys.outcome(), byMouse.outcome())));
        QVERIFY2(byKeys.view->image() == byMouse.view->image(), c.name);
    }
}

void TestKeyboardTouch::endIsLetGoWithTheLastKeyOrTheFocus() {
    Bench b;
    b.key(Qt::Key_Up, QTest::Press);
    b.key(Qt::Key_Down, QTest::Press); // both held, then Up let go: Down still holds
    b.key(Qt::Key_Up, QTest::Release);
    QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(b.view, &repeat); // a held key's repeat lets nothing go
    QVERIFY(b.label3->isHidden());
    b.key(Qt::Key_Down, QTest::Release);
    QVERIFY(b.label3->isVisible());
    for (int i = 0; i < 8; ++i) { // never beyond the view's bottom
        b.key(kShift | Qt::Key_Down, QTest::Press);
    }
    QCOMPARE(b.state.y[0], 3.0f);
    b.bar->setFocus(Qt::TabFocusReason); // the release goes elsewhere
    QVERIFY(b.label3->isVisible());
}

void TestKeyboardTouch::focusShowsOutsideTheViewAndKeysNeedIt() {
    // The load handler's run is halted after its first pass, as the "Halt" button does it.
    QPushButton* halt = nullptr;
    Ondix15 window([&halt](const ChainRunner::ShowFrame&) { halt->click(); });
    halt = window.findChild<QPushButton*>(QStringLiteral("Command11"));
    window.Form_Load();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* view = window.findChild<ChainView*>(QStringLiteral("Picture1"));
    auto* mark = window.findChild<QWidget*>(QStringLiteral("Picture1Focus"));
    auto* bar = window.findChild<QScrollBar*>(QStringLiteral("HScroll1"));
    auto* text1 = window.findChild<QLineEdit*>(QStringLiteral("Text1"));
    auto* pointer = view->findChild<QWidget*>(QStringLiteral("KeyboardPointer"));
    const QImage before = view->grab().toImage();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    bar->setFocus(Qt::MouseFocusReason);
    const int value = bar->value();
    QTest::keyClick(bar, Qt::Key_Right); // the scroll bar's keys, as before
    QTest::keyClick(bar, Qt::Key_M);
    QVERIFY(bar->value() != value);
    QVERIFY(mark->isHidden() && pointer->isHidden());
    QTest::keyClick(bar, Qt::Key_Backtab); // back to the view, the first stop
    QVERIFY(view->hasFocus() && mark->isVisible());
    QCOMPARE(mark->geometry(),
             QRect(view->x(), view->geometry().bottom() + 1, view->width(), mark->height()));
    QVERIFY(mark->height() >= 2);
    QCOMPARE(window.grab().toImage().pixel(view->width() / 2, view->geometry().bottom() + 1),
             mark->palette().color(QPalette::Highlight).rgb());
    QCOMPARE(view->grab().toImage(), before);
    for (const auto k : {Qt::Key_M, Qt::Key_Return, Qt::Key_Right, Qt::Key_Right}) {
        QTest::keyClick(view, k);
    }
    QCOMPARE(text1->text(), QStringLiteral("2"));
    QVERIFY(pointer->isVisible() && view->accessibleName().endsWith(QStringLiteral("Messband 2")));
    QVERIFY(view->toolTip().contains(QStringLiteral("Messband")));
    QTest::keyClick(view, Qt::Key_Tab);
    QVERIFY(mark->isHidden() && pointer->isHidden() && bar->hasFocus());
}

void TestKeyboardTouch::fingers() {
    Bench b;
    const std::unique_ptr<QPointingDevice> touchScreen(QTest::createTouchDevice());
    QPointingDevice* screen = touchScreen.get();
    QWindow* w = b.window.windowHandle();
    QTest::touchEvent(w, screen).press(0, {10, 300});
    QTest::touchEvent(w, screen).move(0, {12, 120});
    QCOMPARE(b.state.y[0], b.view->toUserY(120)); // a short touch and drag: the hand
    QVERIFY(b.label3->isHidden());
    QTest::touchEvent(w, screen).stationary(0).press(1, {500, 500}); // a second finger
    QTest::touchEvent(w, screen).move(0, {12, 100}).move(1, {700, 20});
    QCOMPARE(b.state.y[0], b.view->toUserY(100));
    QTest::touchEvent(w, screen).release(0, {12, 100}).stationary(1);
    QVERIFY(b.label3->isVisible());
    QTest::touchEvent(w, screen).move(1, {700, 500});
    QTest::touchEvent(w, screen).release(1, {700, 500});
    QCOMPARE(
        b.outcome(),
        QStringLiteral("y0 %1 origin 1,0 Festes Ende 1 read-out 0 \"\"").arg(b.view->toUserY(100)));

    // Held still for the hold time, then moved: the tape, as the right button lays it.
    QTest::touchEvent(w, screen).press(0, {100, 400});
    QTest::qWait(int(ChainTouch::kHoldMs) + 50);
    QTest::touchEvent(w, screen).move(0, {225, 400});
    QTest::touchEvent(w, screen).release(0, {225, 400});
    QCOMPARE(b.text1->text(), QStringLiteral("12,5"));
    QVERIFY(b.text1->isVisible() && b.label3->isVisible());
    QCOMPARE(b.state.y[0], b.view->toUserY(100));
}

QTEST_MAIN(TestKeyboardTouch)
#include "keyboard_touch_test.moc"
