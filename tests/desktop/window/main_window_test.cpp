// The real start-up of the main window on the test's screen: the layout, the read-outs before
// the run loop first handles events, and the chain view's colour; the list of experiments and
// the instruction panel, which covers no control.

#include "desktop/platform/ui_metrics.h"
#include "desktop/view/chain_view.h"
#include "instrument/form.h"
#include "layout_expectations.h"
#include "support/view_bench.h"
#include "support/window_session.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QScreen>
#include <QTest>

namespace {

// With ONDIX_SCREENS set, the whole screen (window manager's frames included) is saved there as
// desktop-<width>x<height>[-diagram][-resized][-menu|-instruction].png, with the chain driven for a
// while, two masses chosen and the snapshot taken, so that it shows the panels at work.
void saveScreen(WindowSession& s, bool diagram, bool resized, const char* shown = "") {
    const QString dir = qEnvironmentVariable("ONDIX_SCREENS");
    if (dir.isEmpty()) {
        return;
    }
    if (!s.c().button(Role::kDriveSwitch)->isChecked()) {
        s.c().button(Role::kDriveSwitch)->click();
        QTest::mouseDClick(&s.view(), Qt::LeftButton, {}, s.view().toPixel(20, 0));
        QTest::mouseDClick(&s.view(), Qt::LeftButton, {}, s.view().toPixel(60, 0));
        s.runPasses(300);
        s.c().button(Role::kSnapshotButton)->click();
        s.runPasses(400);
    }
    QTest::qWait(300);
    QScreen& screen = *QGuiApplication::primaryScreen();
    const QString name =
        QStringLiteral("/desktop-%1x%2").arg(screen.size().width()).arg(screen.size().height());
    screen.grabWindow(0).save(dir + name + (diagram ? "-diagram" : "") +
                              (resized ? "-resized" : "") + shown + ".png");
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { UiMetrics::installFontSubstitutes(); } // as the program does
    void testScreenIsTheIntendedOne();
    void readOutsBeforeTheFirstEvents();
    void windowAndChildrenFollowTheScreen();
    void experimentsListAndInstruction();
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
    WindowSession s;
    s.onPass = [&](int) {
        readOuts = {s.c().textBox(Role::kAmplitudeReadout)->text(),
                    s.c().textBox(Role::kPeriodReadout)->text(),
                    s.c().textBox(Role::kDriveState)->text(),
                    s.c().textBox(Role::kClockReadout)->text()};
        visible = s.window->isVisible();
    };
    s.startHalted();
    QVERIFY(visible);
    QCOMPARE(readOuts, (QStringList{"1", "25", "Off", "0"}));
}

void TestMainWindow::windowAndChildrenFollowTheScreen() {
    // With the diagram's window closed and open, and after a resize by the user: the children
    // where the form puts them, nothing cut off, the diagram's window on the screen. Under a
    // window manager (check_frame_under_wm.sh) the frame comes late and shrinks the client area.
    WindowSession s;
    s.startHalted();
    Ondix15* window = s.window.get();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QTRY_COMPARE(window->frameGeometry(),
                 QRect(screen.topLeft(), QSize(screen.width(), qRound(0.96 * screen.height()))));
    for (const QSize resized : {QSize(), QSize(1100, 560)}) {
        if (resized.isValid()) {
            window->resize(resized);
            QTRY_COMPARE(window->size(), resized);
        }
        QAbstractButton& button = *s.c().button(Role::kDiagramButton);
        for (const bool open : {false, true, false}) {
            if (button.isChecked() != open) {
                button.click();
            }
            auto* diagram = window->findChild<QWidget*>(QStringLiteral("TimeDiagram"));
            QCOMPARE(diagram->isVisible(), open);
            if (open) {
                QVERIFY(QTest::qWaitForWindowExposed(diagram));
                QTRY_VERIFY(screen.contains(diagram->frameGeometry()));
            }
            saveScreen(s, open, resized.isValid());
            LayoutExpectations::checkLaidOut(*window);
        }
    }

    ChainView& view = s.view();
    QCOMPARE(shownImage(view).pixel(view.toPixel(50, -1.5)), kViewBackground);
}

void TestMainWindow::experimentsListAndInstruction() {
    // A setup that names an experiment shows its instruction from the start. "Versuche" drops the
    // numbered titles beneath it (above where the screen ends); a choice by its number's key or
    // by the mouse shows its instruction over the chain view, clear of every control (the tape's
    // read-out and the keyboard's pointer follow the pointer) and on the screen; a new choice
    // replaces it, it goes with the window where that is moved, Escape closes it.
    WindowSession s;
    s.window->setStartSetup(Setup::parse("versuch=2"));
    s.startHalted();
    // Once the window manager has framed the main window at the screen's corner.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QTRY_COMPARE(s.window->frameGeometry(),
                 QRect(screen.topLeft(), QSize(screen.width(), qRound(0.96 * screen.height()))));
    QAbstractButton& button = *s.c().button(Role::kExperimentsButton);
    auto* menu = s.window->findChild<QMenu*>();
    auto* panel = s.window->findChild<QWidget*>(QStringLiteral("Instruction"));
    QStringList titles;
    for (const std::string& title : Instrument::experimentTitles()) {
        titles << QStringLiteral("&%1  %2").arg(titles.size() + 1).arg(title.c_str());
    }
    // The panel shows what the instrument holds, the instruction of experiment `number`.
    const auto showsInstructionOf = [&](int number) {
        const auto held = s.window->instrument().instruction();
        QStringList shown;
        for (const QLabel* label : panel->findChildren<QLabel*>()) {
            shown << label->text();
        }
        return held &&
               held->title == Experiments::instructionOf(*Experiments::numbered(number),
                                                         InputCodes::Device::Mouse)
                                  .title &&
               shown == QStringList{held->title.c_str(), held->text.c_str()};
    };
    QTRY_VERIFY(panel->isVisible() && showsInstructionOf(2));
    for (const int number : {3, 9}) {
        QTest::mouseClick(&button, Qt::LeftButton);
        QTRY_VERIFY(menu->isVisible());
        QStringList listed;
        for (const QAction* action : menu->actions()) {
            listed << action->text();
        }
        QCOMPARE(listed, titles);
        const QRect at(button.mapToGlobal(QPoint(0, 0)), button.size());
        QVERIFY(menu->y() == at.bottom() + 1 || menu->geometry().bottom() + 1 == at.top());
        QCOMPARE(menu->x(), at.left());
        saveScreen(s, false, false, "-menu");
        if (number == 3) {
            QTest::keyClick(menu, Qt::Key_3);
        } else {
            QTest::mouseClick(menu, Qt::LeftButton, {},
                              menu->actionGeometry(menu->actions()[number - 1]).center());
        }
        QTRY_VERIFY(!menu->isVisible() && panel->isVisible());
        QVERIFY(showsInstructionOf(number));
        // Where the window manager put it, once it is framed and on the screen.
        QTRY_VERIFY(
            QGuiApplication::primaryScreen()->availableGeometry().contains(panel->frameGeometry()));
        QTest::qWait(50);
        const QRect over = panel->frameGeometry();
        QVERIFY(QRect(s.view().mapToGlobal(QPoint(0, 0)), s.view().size()).contains(over));
        for (const Form::Entry& e : Form::entries()) {
            const QWidget& control = *s.c()[e.control];
            QVERIFY2(e.control == Role::kChainView || e.control == Role::kTapeReadout ||
                         controlKind(e.control) == ControlKind::Pointer ||
                         !QRect(control.mapToGlobal(QPoint(0, 0)), control.size()).intersects(over),
                     controlName(e.control).data());
        }
        saveScreen(s, false, false, "-instruction");
    }
    s.c().button(Role::kDiagramButton)->click();
    auto* diagram = s.window->findChild<QWidget*>(QStringLiteral("TimeDiagram"));
    QVERIFY(QTest::qWaitForWindowExposed(diagram));
    QTest::qWait(50);
    const QPoint by(-30, 20);
    const QList<QPoint> at{panel->pos() + by, diagram->pos() + by};
    s.window->move(s.window->pos() + by);
    QTRY_COMPARE((QList<QPoint>{panel->pos(), diagram->pos()}), at);
    QTest::keyClick(panel, Qt::Key_Escape);
    QVERIFY(!panel->isVisible() && !s.window->instrument().instruction());
}

QTEST_MAIN(TestMainWindow)
#include "main_window_test.moc"
