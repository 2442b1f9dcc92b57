// The main window's controls and their layout, laid out for screens of several sizes without
// running the chain.

#include "layout_expectations.h"
#include "platform/ui_metrics.h"
#include "sim/chain_view.h"
#include "support/scroll_bar_part.h"
#include "support/window_session.h"
#include "ui/main_layout.h"
#include "ui/wrapping_push_button.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include <memory>

namespace {

constexpr QRgb kIndicatorRed = qRgb(255, 128, 128);

ScreenPlacement::ScreenMetrics screenOf(QRect geometry) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return {geometry, screen->logicalDotsPerInchX(), screen->logicalDotsPerInchY()};
}

int twipsX(double twips) {
    return qRound(twips * QGuiApplication::primaryScreen()->logicalDotsPerInchX() / 1440.0);
}

int twipsY(double twips) {
    return qRound(twips * QGuiApplication::primaryScreen()->logicalDotsPerInchY() / 1440.0);
}

// "Ink" is text drawn in the default text colour; borders and bevels are much lighter.
bool isInk(QRgb pixel) {
    return qGray(pixel) < 80;
}

} // namespace

class TestMainLayout : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void directChildrenFollowTheScreen_data();
    void directChildrenFollowTheScreen();
    void chainViewLabelsAtUserCoordinates();
    void panelContentsKeepFixedPlaces_data();
    void panelContentsKeepFixedPlaces();
    void captionsTextsAndFonts_data();
    void captionsTextsAndFonts();
    void windowCaption();
    void scrollBarSettings_data();
    void scrollBarSettings();
    void visibilityAndColours();
    void optionButtonsExclusive();
    void frameCaptionKeepsLeadingBlanks();
    void clockReadOutLooksAsAnyTextBox();
    void narrowButtonWrapsItsCaption();
    void scrollBarClicksNotifyAtOnce_data();
    void scrollBarClicksNotifyAtOnce();
    void draggedThumbNotifiesOnlyOnRelease();
    void focusOrder();
    void accessibleNames_data();
    void accessibleNames();
    void shownWindowReturnsToItsCorner();

private:
    template <typename T> T* control(const char* name) const {
        auto* found = window_->findChild<T*>(QLatin1String(name));
        if (found == nullptr) {
            qFatal("no control %s", name);
        }
        return found;
    }
    void layOutFor(QRect screen) { MainLayout::layOut(*window_, controls_, screenOf(screen)); }

    std::unique_ptr<WindowSession> session_;
    Ondix15* window_ = nullptr;
    MainControls controls_;
};

void TestMainLayout::init() {
    session_ = std::make_unique<WindowSession>();
    window_ = session_->window.get();
    controls_ = window_->controls();
}

void TestMainLayout::cleanup() {
    session_.reset();
}

void TestMainLayout::directChildrenFollowTheScreen_data() {
    QTest::addColumn<QRect>("screen");
    QTest::addRow("1280x1024") << QRect(0, 0, 1280, 1024);
    QTest::addRow("1920x1080") << QRect(0, 0, 1920, 1080);
    QTest::addRow("800x600") << QRect(0, 0, 800, 600);
    QTest::addRow("1024x768 right of another screen") << QRect(1280, 0, 1024, 768);
}

void TestMainLayout::directChildrenFollowTheScreen() {
    QFETCH(QRect, screen);
    layOutFor(screen);

    // The frame spans the screen's width and 96 % of its height, from the screen's corner.
    const QMargins frame = window_->windowHandle()->frameMargins();
    QCOMPARE(window_->pos(), screen.topLeft());
    QCOMPARE(window_->width() + frame.left() + frame.right(), screen.width());
    QCOMPARE(window_->height() + frame.top() + frame.bottom(), qRound(0.96 * screen.height()));

    LayoutExpectations::checkDirectChildren(*window_);

    // Resizing the window by hand moves nothing.
    QList<QRect> before;
    const auto children = window_->findChildren<QWidget*>();
    for (const QWidget* child : children) {
        before.append(child->geometry());
    }
    window_->resize(window_->width() / 2, window_->height() / 3);
    for (qsizetype i = 0; i < children.size(); ++i) {
        QCOMPARE(children[i]->geometry(), before[i]);
    }
}

void TestMainLayout::chainViewLabelsAtUserCoordinates() {
    layOutFor(QRect(0, 0, 1280, 1024));
    const ChainView& view = *controls_.Picture1;
    struct Expected {
        QLabel* label;
        double x;
        double y;
        int widthTwips;
    };
    const Expected labels[] = {
        {controls_.Label3, 1, -2.8, 1215}, {controls_.Label4, 85, -2.8, 1215},
        {controls_.Label5, 85, 2.5, 1335}, {controls_.Label6, 1, 2.4, 1935},
        {controls_.Label7, 25, -2.8, 615}, {controls_.Label8, 75, -2.8, 615},
    };
    for (const Expected& e : labels) {
        const QString name = e.label->objectName();
        QCOMPARE(e.label->parentWidget(), &view);
        // x from 0 to 100 across the view, y from -3 at its top to +3 at its bottom.
        QVERIFY2(std::abs(e.label->x() - e.x / 100 * view.width()) <= 1, qPrintable(name));
        QVERIFY2(std::abs(e.label->y() - (e.y + 3) / 6 * view.height()) <= 1, qPrintable(name));
        QCOMPARE(e.label->size(), QSize(twipsX(e.widthTwips), twipsY(375)));
    }
    // The top row sits just below the view's upper edge, the bottom labels just above its
    // lower edge.
    QVERIFY(controls_.Label3->y() > 0 && controls_.Label3->y() < view.height() / 10);
    QVERIFY(controls_.Label5->geometry().bottom() < view.height());
    QVERIFY(controls_.Label6->geometry().bottom() < view.height());
}

void TestMainLayout::panelContentsKeepFixedPlaces_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("twips");
    QTest::addRow("amplitude bar") << "HScroll1"
                                   << "Frame1" << QRect(240, 360, 1935, 375);
    QTest::addRow("drive state") << "Text5"
                                 << "Frame1" << QRect(2280, 1560, 735, 375);
    QTest::addRow("hint for the hand") << "Label13"
                                       << "Frame1" << QRect(240, 2040, 2655, 735);
    QTest::addRow("halt") << "Command11"
                          << "Frame3" << QRect(2040, 360, 1335, 375);
    QTest::addRow("speed label") << "Label11"
                                 << "Frame5" << QRect(1680, 840, 1815, 375);
    QTest::addRow("damping state") << "Label9"
                                   << "Frame2" << QRect(1680, 240, 615, 375);
    QTest::addRow("pendulum chain") << "Option2"
                                    << "Frame7" << QRect(240, 1320, 1575, 375);
    QTest::addRow("tape read-out") << "Text1"
                                   << "Picture1" << QRect(2400, 120, 735, 375);
}

void TestMainLayout::panelContentsKeepFixedPlaces() {
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(QRect, twips);
    const QRect expected(twipsX(twips.x()), twipsY(twips.y()), twipsX(twips.width()),
                         twipsY(twips.height()));
    // On a large screen and on one too small for the panels' contents alike: the contents are
    // cut off at the panel's edges, never shrunk or moved.
    for (const QRect screen : {QRect(0, 0, 1920, 1080), QRect(0, 0, 640, 480)}) {
        layOutFor(screen);
        const auto* widget = control<QWidget>(name.toLatin1().constData());
        QCOMPARE(widget->parentWidget()->objectName(), container);
        QCOMPARE(widget->geometry(), expected);
    }
    const QRect hint = controls_.Label13->geometry();
    QVERIFY(hint.bottom() >= controls_.Frame1->height());
}

void TestMainLayout::captionsTextsAndFonts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("points");
    const auto row = [](const char* name, const QString& text, double points) {
        QTest::newRow(name) << QString::fromLatin1(name) << text << points;
    };
    row("Frame1", QStringLiteral("Anregung am linken Ende"), 9.75);
    row("Frame2", QStringLiteral("Dämpfung"), 9.75);
    row("Frame3", QStringLiteral("Löschfunktionen"), 9.75);
    row("Frame4", QStringLiteral("Brechung"), 9.75);
    row("Frame5", QStringLiteral("                Uhr                     Zeitablauf"), 9.75);
    row("Frame6", QStringLiteral("Hindernis"), 9.75);
    row("Frame7", QStringLiteral("Wellenträger"), 9.75);
    row("Command1", QStringLiteral("v(i) = 0"), 9.75);
    row("Command2", QStringLiteral("y(i) = 0"), 9.75);
    row("Command3", QStringLiteral("On/Off"), 8.25);
    row("Command4", QStringLiteral("On/Off"), 8.25);
    row("Command5", QStringLiteral("Löschen"), 9.75);
    row("Command6", QStringLiteral("   Info zur Torsionskette"), 8.25);
    row("Command7", QStringLiteral("Harmonisch On/Off"), 9.75);
    row("Command8", QStringLiteral("Uhr Start"), 9.75);
    row("Command9", QStringLiteral("On/Off"), 8.25);
    row("Command10", QStringLiteral("Ende"), 9.75);
    row("Command11", QStringLiteral("Halt"), 9.75);
    row("Label1", QStringLiteral("Amplitude"), 9.75);
    row("Label2", QStringLiteral("Periode"), 9.75);
    row("Label3", QStringLiteral("Festes Ende"), 9.75);
    row("Label4", QStringLiteral("Loses Ende"), 9.75);
    row("Label5", QStringLiteral("Dämpfung On"), 9.75);
    row("Label6", QStringLiteral("Anregung von Hand"), 9.75);
    row("Label7", QStringLiteral("m = 1"), 9.75);
    row("Label8", QStringLiteral("m = 4"), 9.75);
    row("Label9", QStringLiteral("On"), 8.25);
    row("Label10", QStringLiteral("Off"), 8.25);
    row("Label11", QStringLiteral("langsam ---schnell"), 9.75);
    row("Label12", QStringLiteral("Off"), 8.25);
    row("Label13",
        QStringLiteral("Anregung von Hand:                  "
                       "Linke Maustaste drücken und festes Ende ziehen"),
        8.25);
    row("Text1", QStringLiteral("Text1"), 8.25);
    row("Text2", QStringLiteral("Text2"), 8.25);
    row("Text3", QStringLiteral("Text3"), 8.25);
    row("Text4", QStringLiteral("0"), 9.75);
    row("Text5", QStringLiteral("Text5"), 8.25);
    row("Option1", QStringLiteral("Torsionskette"), 9.75);
    row("Option2", QStringLiteral("Pendelkette"), 9.75);
}

void TestMainLayout::captionsTextsAndFonts() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(double, points);
    const auto* widget = control<QWidget>(name.toLatin1().constData());
    const char* property = qobject_cast<const QGroupBox*>(widget) != nullptr ? "title" : "text";
    QCOMPARE(widget->property(property).toString(), text);
    QCOMPARE(widget->font().family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(widget->font().pointSizeF(), points);
    QCOMPARE(widget->font().weight(), QFont::Normal);
}

void TestMainLayout::windowCaption() {
    const QString caption = window_->windowTitle();
    QVERIFY(caption.startsWith(QStringLiteral("Zarvel") + QString(90, QLatin1Char(' '))));
    const QString credit = caption.mid(6 + 90);
    QVERIFY(!credit.isEmpty());
    QVERIFY(!credit.front().isSpace());
}

void TestMainLayout::scrollBarSettings_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("smallChange");
    QTest::addColumn<int>("largeChange");
    QTest::addRow("amplitude") << "HScroll1" << 1 << 20 << 10 << 1 << 1;
    QTest::addRow("period") << "HScroll2" << 10 << 1000 << 250 << 1 << 10;
    QTest::addRow("speed") << "HScroll3" << 1 << 50 << 10 << 1 << 5;
}

void TestMainLayout::scrollBarSettings() {
    QFETCH(QString, name);
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, value);
    QFETCH(int, smallChange);
    QFETCH(int, largeChange);
    const auto* bar = control<QScrollBar>(name.toLatin1().constData());
    QCOMPARE(bar->orientation(), Qt::Horizontal);
    QCOMPARE(bar->minimum(), min);
    QCOMPARE(bar->maximum(), max);
    QCOMPARE(bar->value(), value);
    QCOMPARE(bar->singleStep(), smallChange);
    QCOMPARE(bar->pageStep(), largeChange);
    QVERIFY(!bar->hasTracking());
}

void TestMainLayout::visibilityAndColours() {
    layOutFor(QRect(0, 0, 1280, 1024));
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));

    for (const char* hidden : {"Label7", "Label8", "Text1"}) {
        QVERIFY2(!control<QWidget>(hidden)->isVisible(), hidden);
    }
    const auto children = window_->findChildren<QWidget*>(Qt::FindChildrenRecursively);
    int shown = 0;
    for (const QWidget* child : children) {
        if (!child->objectName().isEmpty() && child->isVisible()) {
            ++shown;
        }
    }
    QCOMPARE(shown, 42 - 3);

    // The red indicators and the hint as drawn, inside their border.
    for (QLabel* label : {controls_.Label13, controls_.Label9}) {
        const QImage image = label->grab().toImage();
        QCOMPARE(image.pixel(image.width() - 3, image.height() - 3) & 0xffffffu,
                 kIndicatorRed & 0xffffffu);
        QVERIFY(isInk(image.pixel(0, 0)));
    }
    // The other indicators: a border on the standard surface colour.
    const QRgb surface = window_->palette().color(QPalette::Window).rgb();
    for (QLabel* label : {controls_.Label10, controls_.Label12}) {
        const QImage image = label->grab().toImage();
        QCOMPARE(image.pixel(image.width() - 3, image.height() - 3), surface);
        QVERIFY(isInk(image.pixel(image.width() - 1, image.height() - 1)));
    }
    // The labels in the chain view hide the view's background behind them.
    const QImage view = controls_.Picture1->grab().toImage();
    const QPoint corner = controls_.Label3->geometry().bottomRight() - QPoint(1, 1);
    QCOMPARE(view.pixel(corner), surface);
    QCOMPARE(controls_.Label3->frameShape(), QFrame::NoFrame);

    QVERIFY(controls_.Label11->alignment() & Qt::AlignHCenter);
}

void TestMainLayout::optionButtonsExclusive() {
    QVERIFY(controls_.Option1->isChecked());
    QVERIFY(!controls_.Option2->isChecked());
    controls_.Option2->click();
    QVERIFY(!controls_.Option1->isChecked());
    controls_.Option1->click();
    QVERIFY(!controls_.Option2->isChecked());
}

void TestMainLayout::clockReadOutLooksAsAnyTextBox() {
    // The clock's read-out paints every pixel itself, also after the panel's style sheet has
    // polished it, and lays its digits out unshaped; the window shows exactly what a plain text
    // box there would show.
    layOutFor(QRect(0, 0, 1280, 1024));
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
    QLineEdit& clock = *controls_.Text4;
    QVERIFY(clock.testAttribute(Qt::WA_OpaquePaintEvent));
    QLineEdit plain(controls_.Frame5);
    plain.setFont(UiMetrics::sansSerif(9.75));
    plain.setGeometry(clock.geometry());
    const QRect area(clock.mapTo(window_, QPoint(0, 0)), clock.size());
    for (const QString& text :
         {QStringLiteral("  0"), QStringLiteral("  1234,56"), QStringLiteral("  7890,1")}) {
        clock.setText(text);
        plain.setText(text);
        clock.show();
        plain.hide();
        const QImage opaque = window_->grab(area).toImage();
        clock.hide();
        plain.show();
        QCOMPARE(window_->grab(area).toImage(), opaque);
    }
}

void TestMainLayout::frameCaptionKeepsLeadingBlanks() {
    layOutFor(QRect(0, 0, 1280, 1024));
    // The first ink of a caption in the band of the caption's line, from the left.
    const auto firstInkColumn = [](QGroupBox& frame) {
        const QImage image = frame.grab().toImage();
        const int band = frame.fontMetrics().height();
        for (int x = 0; x < image.width(); ++x) {
            for (int y = 0; y < band; ++y) {
                if (isInk(image.pixel(x, y))) {
                    return x;
                }
            }
        }
        return -1;
    };
    const int plain = firstInkColumn(*controls_.Frame3);
    const int blanks = controls_.Frame5->fontMetrics().horizontalAdvance(QString(16, ' '));
    QVERIFY(plain >= 0);
    QVERIFY(blanks > 20);
    QVERIFY(std::abs(firstInkColumn(*controls_.Frame5) - (plain + blanks)) <= 2);
}

void TestMainLayout::narrowButtonWrapsItsCaption() {
    WrappingPushButton button(QStringLiteral("Info zur Torsionskette"));
    button.setFont(UiMetrics::sansSerif(8.25));
    const int oneLine = button.fontMetrics().horizontalAdvance(button.text());
    button.resize(oneLine * 2 / 3, 4 * button.fontMetrics().height());
    const QImage image = button.grab().toImage();

    // Rows with ink form one band per line of text, the bands two or more blank rows apart;
    // the text stays clear of the sides.
    int bands = 0;
    int blankRows = 2;
    for (int y = 0; y < image.height(); ++y) {
        bool ink = false;
        for (int x = 0; x < image.width(); ++x) {
            ink = ink || isInk(image.pixel(x, y));
        }
        bands += ink && blankRows >= 2 ? 1 : 0;
        blankRows = ink ? 0 : blankRows + 1;
    }
    QCOMPARE(bands, 2);
    for (int y = 0; y < image.height(); ++y) {
        QVERIFY(!isInk(image.pixel(1, y)));
        QVERIFY(!isInk(image.pixel(image.width() - 2, y)));
    }
}

void TestMainLayout::scrollBarClicksNotifyAtOnce_data() {
    QTest::addColumn<QStyle::SubControl>("part");
    QTest::addColumn<int>("change");
    QTest::addRow("right arrow adds SmallChange") << QStyle::SC_ScrollBarAddLine << 1;
    QTest::addRow("left arrow subtracts SmallChange") << QStyle::SC_ScrollBarSubLine << -1;
    QTest::addRow("track right of thumb adds LargeChange") << QStyle::SC_ScrollBarAddPage << 10;
    QTest::addRow("track left of thumb subtracts LargeChange")
        << QStyle::SC_ScrollBarSubPage << -10;
}

void TestMainLayout::scrollBarClicksNotifyAtOnce() {
    QFETCH(QStyle::SubControl, part);
    QFETCH(int, change);
    layOutFor(QRect(0, 0, 1280, 1024));
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
    QScrollBar& bar = *controls_.HScroll2;
    QSignalSpy spy(&bar, &QScrollBar::valueChanged);

    const QRect target = scrollBarPart(bar, part);
    QVERIFY(!target.isEmpty());
    const QPoint at = target.center();
    QTest::mousePress(&bar, Qt::LeftButton, Qt::NoModifier, at);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 250 + change);
    QTest::mouseRelease(&bar, Qt::LeftButton, Qt::NoModifier, at);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(bar.value(), 250 + change);
}

void TestMainLayout::draggedThumbNotifiesOnlyOnRelease() {
    layOutFor(QRect(0, 0, 1280, 1024));
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
    QScrollBar& bar = *controls_.HScroll3;
    QSignalSpy spy(&bar, &QScrollBar::valueChanged);

    const QPoint start = scrollBarPart(bar, QStyle::SC_ScrollBarSlider).center();
    QTest::mousePress(&bar, Qt::LeftButton, Qt::NoModifier, start);
    QPoint at = start;
    for (int step = 0; step < 4; ++step) {
        at += QPoint(6, 0);
        QTest::mouseMove(&bar, at);
    }
    // The thumb follows the pointer, but nothing is reported yet.
    QVERIFY(bar.sliderPosition() > 10);
    QCOMPARE(bar.value(), 10);
    QCOMPARE(spy.count(), 0);

    QTest::mouseRelease(&bar, Qt::LeftButton, Qt::NoModifier, at);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(bar.value(), bar.sliderPosition());
    QCOMPARE(spy.at(0).at(0).toInt(), bar.value());
}

void TestMainLayout::focusOrder() {
    const QStringList expected{"Picture1", "HScroll1", "HScroll2", "HScroll3",  "Command1",
                               "Command2", "Command3", "Command4", "Command5",  "Command6",
                               "Command7", "Command8", "Command9", "Command10", "Command11",
                               "Option1",  "Option2",  "Text2",    "Text3",     "Text4",
                               "Text5",    "Text1"};
    QStringList order;
    QWidget* start = controls_.Picture1;
    QWidget* widget = start;
    do {
        if ((widget->focusPolicy() & Qt::TabFocus) != 0) {
            order.append(widget->objectName());
        }
        widget = widget->nextInFocusChain();
    } while (widget != start && order.size() <= expected.size());
    QCOMPARE(order, expected);
}

void TestMainLayout::accessibleNames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("accessibleName");
    QTest::addRow("chain view") << "Picture1"
                                << "Wellenmaschine";
    QTest::addRow("amplitude bar") << "HScroll1"
                                   << "Amplitude";
    QTest::addRow("period bar") << "HScroll2"
                                << "Periode";
    QTest::addRow("speed bar") << "HScroll3"
                               << "Geschwindigkeit";
    QTest::addRow("tape read-out") << "Text1"
                                   << "Messband";
    QTest::addRow("amplitude read-out") << "Text2"
                                        << "Amplitude";
    QTest::addRow("period read-out") << "Text3"
                                     << "Periode";
    QTest::addRow("clock read-out") << "Text4"
                                    << "Uhr";
    QTest::addRow("drive state") << "Text5"
                                 << "Zustand der harmonischen Anregung";
}

void TestMainLayout::accessibleNames() {
    QFETCH(QString, name);
    QFETCH(QString, accessibleName);
    QCOMPARE(control<QWidget>(name.toLatin1().constData())->accessibleName(), accessibleName);
}

void TestMainLayout::shownWindowReturnsToItsCorner() {
    // A window the window system put elsewhere, at another size, is moved back to the
    // screen's corner and its frame given the outer size.
    QWidget window;
    window.setGeometry(300, 200, 400, 300);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const auto screen = screenOf(QGuiApplication::primaryScreen()->geometry());
    ScreenPlacement::placeShownWindow(window, screen);
    QTRY_COMPARE(window.frameGeometry(),
                 QRect(screen.geometry.topLeft(), ScreenPlacement::outerSize(screen)));
}

QTEST_MAIN(TestMainLayout)
#include "main_layout_test.moc"
