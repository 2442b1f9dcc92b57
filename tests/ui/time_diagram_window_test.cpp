// The time diagram on the desktop: a double click on the view chooses a mass, the button opens
// the diagram's window, which shows the instrument's pixels, and closing the window by its frame
// releases the button. With ONDIX_SCREENS set, the screen is saved there (x11-apps' import).

#include "instrument/input_codes.h"
#include "sim/chain_view.h"
#include "ui/ondix15.h"
#include "ui/time_diagram_window.h"

#include <QAbstractButton>
#include <QProcess>
#include <QScreen>
#include <QTest>

class TestTimeDiagramWindow : public QObject {
    Q_OBJECT

private slots:
    void chooseOpenShowAndClose();
};

namespace {

// The main window, its run halted after `passes` passes of each run as "Halt" does it.
struct Window : Ondix15 {
    const MainControls& c = controls();
    int passes = 1;
    int run = 0;
    Window()
        : Ondix15([this](const ChainRunner::ShowFrame&) {
              if (++run == passes) {
                  c.button(Role::kHaltButton)->click();
              }
          }) {
        load();
    }
    void runPasses(int n) {
        passes = n;
        run = 0;
        c.button(Role::kHaltButton)->click();
    }
};

void saveScreen(const char* name) {
    const QString dir = qEnvironmentVariable("ONDIX_SCREENS");
    if (!dir.isEmpty()) {
        QTest::qWait(200);
        QProcess::execute(
            QStringLiteral("import"),
            {QStringLiteral("-window"), QStringLiteral("root"), dir + u'/' + QLatin1String(name)});
    }
}

} // namespace

void TestTimeDiagramWindow::chooseOpenShowAndClose() {
    Window w;
    ChainView* view = w.c.view();
    const TimeDiagram& diagram = w.instrument().diagram();
    w.c.button(Role::kDriveSwitch)->click();
    // Mass 19 is drawn at x = 20 of 100.
    const QPoint mass19(view->width() * 20 / 100, view->height() / 2);
    QTest::mouseDClick(view, Qt::LeftButton, {}, mass19);
    QCOMPARE(diagram.chosen(0), 19);
    QTest::mouseDClick(view, Qt::LeftButton, {}, QPoint(view->width() * 3 / 100, mass19.y()));
    QCOMPARE(diagram.chosen(1), 2);

    QAbstractButton* button = w.c.button(Role::kDiagramButton);
    button->click();
    auto* window = w.findChild<TimeDiagramWindow*>();
    QVERIFY(window != nullptr && window->isVisible());
    QVERIFY(button->isChecked());
    QVERIFY(QTest::qWaitForWindowExposed(window));
    // Placed when opened, once the main window has its size: over its right part, on the screen.
    const QRect room = window->screen()->availableGeometry();
    QVERIFY2(room.contains(window->frameGeometry()) &&
                 window->geometry().center().x() > w.geometry().center().x(),
             qPrintable(QStringLiteral("diagram at %1,%2, main window %3 wide")
                            .arg(window->x())
                            .arg(window->y())
                            .arg(w.width())));
    w.runPasses(400);
    QTRY_COMPARE(diagram.raster().width(), window->width());
    QTRY_VERIFY(diagram.sampleCount() == 400 && diagram.labels().size() > 10);
    QTest::qWait(100);
    // The window shows the diagram's pixels: the latest points of both curves where the
    // diagram puts them.
    const QImage shown = window->grab().toImage();
    const TimeDiagram::Sample& last = diagram.sample(diagram.sampleCount() - 1);
    for (std::size_t slot = 0; slot < 2; ++slot) {
        const Chain::Rgb colour = TimeDiagram::kColours[slot];
        QCOMPARE(shown.pixel(diagram.columnOf(last.t), diagram.rowOf(last.y[slot])) & 0xFFFFFFu,
                 QColor(colour.r, colour.g, colour.b).rgb() & 0xFFFFFFu);
    }
    saveScreen("desktop-diagram.png");

    window->close();
    QVERIFY(!button->isChecked());
    QVERIFY(!window->isVisible());
}

QTEST_MAIN(TestTimeDiagramWindow)
#include "time_diagram_window_test.moc"
