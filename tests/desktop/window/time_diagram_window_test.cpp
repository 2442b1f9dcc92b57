// The time diagram on the desktop: a double click on the view chooses a mass, the button opens
// the diagram in the main window, which shows the instrument's pixels; detached into a window of
// its own it keeps clear of the chain view, and closing that window by its frame releases the
// button; the picture the instrument composes saved with its texts written, the
// samples' table as the instrument writes it, and files that cannot be written. With ONDIX_SCREENS
// set, the screen is saved there (x11-apps' import).

#include "desktop/view/chain_view.h"
#include "desktop/window/ondix15.h"
#include "desktop/window/time_diagram_panel.h"
#include "instrument/form_layout.h"
#include "instrument/input_codes.h"
#include "instrument/saved_files.h"
#include "instrument/saved_image.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

class TestTimeDiagramPanel : public QObject {
    Q_OBJECT

private slots:
    void chooseOpenShowAndClose();
    void keysReachTheDiagramWhichSpeaksWhenAsked();
};

namespace {

// The main window, its run halted after `passes` passes of each run as "Halt" does it.
struct Window : Ondix15 {
    const MainControls& c = controls();
    Window() : Ondix15(Pacing::ByCaller) {
        load();
        Ondix15::runPasses(1);
        c.button(Role::kHaltButton)->click();
    }
    // "Weiter", `n` passes, "Halt".
    void runPasses(int n) {
        c.button(Role::kHaltButton)->click();
        Ondix15::runPasses(n);
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

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(not read)");
}

} // namespace

void TestTimeDiagramPanel::chooseOpenShowAndClose() {
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
    auto* window = w.findChild<TimeDiagramPanel*>();
    QVERIFY(window != nullptr && window->isVisible());
    QVERIFY(button->isChecked());
    QVERIFY(QTest::qWaitForWindowExposed(window));
    // A part of the main window, clear of the chain view, which keeps the whole width or all
    // but a column.
    QVERIFY(!window->isWindow() && !window->geometry().intersects(view->geometry()));
    QVERIFY(view->width() >= w.width() / 2);
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

    // Saved: the samples as a table, the view as an image; closed; files that cannot be written.
    w.runPasses(20);
    QTemporaryDir dir;
    const QString table = dir.filePath(QStringLiteral("samples.csv"));
    QVERIFY(w.saveSamplesTo(table));
    const QByteArray csv = contentsOf(table);
    QCOMPARE(csv, QByteArray::fromStdString(diagram.csv()));
    QVERIFY(csv.startsWith("\xEF\xBB\xBF"));

    // The picture the instrument composes with the diagram open, its texts written over it: the
    // pixels differ from it only near the texts, and at each of the view's labels some do.
    QVERIFY(w.saveImageTo(dir.filePath(QStringLiteral("1.png"))));
    const SavedImage expected(w.instrument());
    const PlotRaster& raster = expected.raster();
    const QImage saved =
        QImage(dir.filePath(QStringLiteral("1.png")), "PNG").convertToFormat(QImage::Format_RGB32);
    QCOMPARE(saved.size(), QSize(raster.width(), raster.height()));
    const int viewHeight = FormLayout::design()[Role::kChainView].height;
    QVERIFY(raster.height() > viewHeight);
    int strays = 0;
    std::vector<int> inked(expected.texts().size(), 0);
    for (int y = 0; y < raster.height(); ++y) {
        for (int x = 0; x < raster.width(); ++x) {
            const bool same = (saved.pixel(x, y) | 0xFF000000u) == raster.pixel(x, y);
            bool near = same;
            for (std::size_t i = 0; i < inked.size(); ++i) {
                const SavedImage::Text& t = expected.texts()[i];
                const bool row = std::abs(y - t.label.y) <= t.pixels;
                near = near || row;
                inked[i] += !same && row && x >= t.label.x && x < t.label.x + 40;
            }
            strays += !near;
        }
    }
    QCOMPARE(strays, 0);
    for (std::size_t i = 0; i < inked.size(); ++i) {
        const TimeDiagram::Label& l = expected.texts()[i].label;
        QVERIFY2(l.y >= viewHeight || inked[i] > 0, l.text.c_str());
    }
    // Detached: a window of its own, the chain view taking its room back; nothing the program
    // placed lies over the view; taken back, it is a part of the main window again.
    const int viewHeight0 = view->height();
    const int viewWidth0 = view->width();
    auto* detach = window->findChild<QAbstractButton*>(QStringLiteral("TimeDiagramDetach"));
    QCOMPARE(detach->text(), QStringLiteral("Eigenes Fenster"));
    detach->click();
    QVERIFY(window->isWindow() && window->isVisible());
    QCOMPARE(detach->text(), QStringLiteral("Ins Hauptfenster"));
    QVERIFY(view->height() * view->width() > viewHeight0 * viewWidth0);
    QVERIFY(!window->frameGeometry().intersects(QRect(view->mapToGlobal(QPoint()), view->size())));
    detach->click();
    QVERIFY(!window->isWindow() && window->isVisible());
    QCOMPARE(view->size(), QSize(viewWidth0, viewHeight0));
    detach->click();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    window->close();
    QVERIFY(!button->isChecked());
    QVERIFY(!window->isVisible());
    QCOMPARE(view->height(),
             FormLayout(w.width(), w.height(), w.logicalDpiX(), w.logicalDpiY())[Role::kChainView]
                 .height);

    // A folder that does not exist, a folder in place of a file: the message names the path and
    // the reason; the files there, the chain and the diagram stay as they were.
    const auto unchanged = [&] {
        QStringList now = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        for (int i = 0; i <= 100; ++i) {
            now << QString::number(w.state().y[i]);
        }
        return std::tuple(now, contentsOf(table), diagram.csv(), view->grab().toImage());
    };
    const auto before = unchanged();
    using Save = bool (Ondix15::*)(const QString&);
    for (const auto& [path, save] :
         {std::pair<QString, Save>{dir.filePath("no/x.png"), &Ondix15::saveImageTo},
          {dir.path(), &Ondix15::saveSamplesTo},
          {dir.filePath("no/x.csv"), &Ondix15::saveSamplesTo}}) {
        QVERIFY(!(w.*save)(path));
        auto* box = w.findChild<QMessageBox*>(QStringLiteral("notWritten"));
        QVERIFY(box != nullptr && box->isVisible());
        const QString named =
            QString::fromStdString(SavedFiles::notWritten(path.toStdString(), "")) + u'\n';
        QVERIFY2(box->text().startsWith(named) && box->text().size() > named.size() &&
                     box->text().count(u'\n') == 1,
                 qPrintable(box->text()));
        delete box;
        QVERIFY(unchanged() == before);
    }
}

void TestTimeDiagramPanel::keysReachTheDiagramWhichSpeaksWhenAsked() {
    Window w;
    ChainView* view = w.c.view();
    QAbstractButton* button = w.c.button(Role::kDiagramButton);
    QVERIFY(button->toolTip().startsWith(u"F6"));
    // Ball 2, near the driven point, at x = 3 of 100.
    QTest::mouseDClick(view, Qt::LeftButton, {},
                       QPoint(view->width() * 3 / 100, view->height() / 2));
    button->click();
    auto* window = w.findChild<TimeDiagramPanel*>();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    view->setFocus(Qt::TabFocusReason);

    // Driven, ball 2 swings on: the diagram's words stay those it said when opened.
    w.c.button(Role::kDriveSwitch)->click();
    QStringList told;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 2500) {
        w.runPasses(20);
        QTest::qWait(20);
        if (told.isEmpty() || told.back() != window->accessibleDescription()) {
            told.append(window->accessibleDescription());
        }
    }
    QCOMPARE(told, QStringList{QStringLiteral("Kugel 2: noch keine ganze Periode")});

    // F6 takes the keyboard to the span bar, which shows its focus, and back; Escape closes.
    auto* span = window->findChild<QScrollBar*>();
    for (QWidget* to : QList<QWidget*>{span, view, span}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
        QTRY_COMPARE(QApplication::focusWidget(), to);
    }
    QCOMPARE(span->grab().toImage().pixel(0, span->height() / 2),
             span->palette().color(QPalette::Highlight).rgb());
    // A asks for the figures.
    QTest::keyClick(span, Qt::Key_A);
    const QString words = window->accessibleDescription();
    QVERIFY2(QRegularExpression(QStringLiteral("^Kugel 2: Amplitude \\d,\\d\\d, Periode 25,0$"))
                 .match(words)
                 .hasMatch(),
             qPrintable(words));
    QTest::keyClick(span, Qt::Key_Escape);
    QVERIFY(!window->isVisible() && !button->isChecked());
    QTRY_COMPARE(QApplication::focusWidget(), view);
}

QTEST_MAIN(TestTimeDiagramPanel)
#include "time_diagram_window_test.moc"
