// The main window's controls and their layout, laid out for screens of several sizes without
// running the chain.

#include "desktop/platform/ui_metrics.h"
#include "desktop/view/chain_view.h"
#include "desktop/window/main_layout.h"
#include "desktop/window/wrapping_push_button.h"
#include "instrument/form.h"
#include "language/language.h"
#include "layout_expectations.h"
#include "support/control_tree.h"
#include "support/window_session.h"

#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QWindow>

#include <memory>
#include <tuple>

namespace {

constexpr QRgb kIndicatorRed = qRgb(255, 128, 128);

ScreenPlacement::ScreenMetrics screenOf(QRect geometry) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return {geometry, screen->logicalDotsPerInchX(), screen->logicalDotsPerInchY()};
}

// "Ink" is text drawn in the default text colour; borders and bevels are much lighter.
bool isInk(QRgb pixel) {
    return qGray(pixel) < 80;
}

} // namespace

class TestMainLayout : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { UiMetrics::installFontSubstitutes(); } // as the program does

    void init() {
        session_ = std::make_unique<WindowSession>();
        window_ = session_->window.get();
        controls_ = window_->controls();
    }

    void cleanup() { session_.reset(); }

    void directChildrenFollowTheScreen_data() {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QSize>("resizedTo"); // the client area the window is then resized to
        QTest::addRow("1280x1024") << QRect(0, 0, 1280, 1024) << QSize(1366, 700);
        QTest::addRow("1920x1080") << QRect(0, 0, 1920, 1080) << QSize(1024, 551);
        QTest::addRow("1024x600") << QRect(0, 0, 1024, 600) << QSize(1900, 1000);
        QTest::addRow("1024x768 right of another screen")
            << QRect(1280, 0, 1024, 768) << QSize(1276, 979);
        QTest::addRow("768x1024, the panels in two rows")
            << QRect(0, 0, 768, 1024) << QSize(768, 1024);
    }

    void directChildrenFollowTheScreen() {
        QFETCH(QRect, screen);
        QFETCH(QSize, resizedTo);
        layOutFor(screen);

        // The frame spans the screen's width and 96 % of its height, from the screen's corner.
        const QMargins frame = window_->windowHandle()->frameMargins();
        QCOMPARE(window_->pos(), screen.topLeft());
        QCOMPARE(window_->width() + frame.left() + frame.right(), screen.width());
        QCOMPARE(window_->height() + frame.top() + frame.bottom(), qRound(0.96 * screen.height()));
        LayoutExpectations::checkLaidOut(*window_);
        // A new size of the window lays it out again.
        window_->show();
        // Not below its least size.
        window_->resize(resizedTo);
        QTRY_COMPARE(window_->size(), resizedTo.expandedTo(window_->minimumSize()));
        LayoutExpectations::checkLaidOut(*window_);
    }

    void controlTreeAsWritten_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("golden");
        QTest::addRow("German") << QString("de") << QString("main_controls.expected.txt");
        QTest::addRow("English") << QString("en") << QString("main_controls.en.expected.txt");
    }

    void controlTreeAsWritten() {
        // Every control's name, kind, caption, font, place, look and settings, and the focus
        // order, on a screen of 1280 x 1024 after the first pass, in each language: one line a
        // control, compared with the golden text, which the page's DOM must show as well. A caption
        // changed on purpose is one edit and one reviewed diff of that text (ONDIX_UPDATE_GOLDEN=1
        // writes it).
        QFETCH(QString, language);
        QFETCH(QString, golden);
        if (QGuiApplication::primaryScreen()->logicalDotsPerInchX() != 96) {
            QSKIP("the control tree is written for 96 dots per inch");
        }
        session_.reset();
        QVERIFY(Language::use(language.toStdString()));
        const auto german = qScopeGuard([] { Language::use("de"); });
        init();
        layOutFor(QRect(0, 0, 1280, 1024));
        session_->haltAt = 1;
        window_->instrument().start();
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_));
        checkGolden(controlTree(*window_), golden);
        // Every one-line caption fits its control: options, buttons and labels that do not wrap.
        // An option's caption is held to what its box leaves beside the style's indicator and gap,
        // in the font the program's substitutes give; not where a machine has the bitmap
        // "MS Sans Serif" itself, which is wider than the boxes were made for.
        QStringList tooNarrow; // each as "name: the width its caption needs, font"
        for (const QWidget* widget : window_->findChildren<QWidget*>()) {
            const auto* label = qobject_cast<const QLabel*>(widget);
            const auto* option = qobject_cast<const QRadioButton*>(widget);
            const auto* button = qobject_cast<const QPushButton*>(widget);
            const QString family = QFontInfo(widget->font()).family();
            const QStyle& style = *widget->style();
            int needs = 0;
            if (option != nullptr && family != QStringLiteral("MS Sans Serif")) {
                needs = option->fontMetrics().horizontalAdvance(option->text()) +
                        style.pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, option) +
                        style.pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, option);
            } else if (label != nullptr && !label->wordWrap() && !label->text().isEmpty()) {
                needs = label->sizeHint().width() - 1;
            } else if (button != nullptr &&
                       qobject_cast<const WrappingPushButton*>(button) == nullptr) {
                needs = button->fontMetrics().horizontalAdvance(button->text()) + 4;
            }
            if (widget->isVisibleTo(window_) && needs > widget->width()) {
                tooNarrow.append(QStringLiteral("%1: %2 px, ")
                                     .arg(LayoutExpectations::where(*widget))
                                     .arg(needs) +
                                 family);
            }
        }
        QVERIFY2(tooNarrow.isEmpty(), qPrintable(tooNarrow.join(u'\n')));
    }

    void panelContentsKeepFixedPlaces() {
        // On a large screen and on a small one alike (the places themselves are in the control
        // tree): the contents keep their places in their panels, never shrunk or moved.
        QList<QRect> places;
        for (const QRect screen : {QRect(0, 0, 1920, 1080), QRect(0, 0, 640, 480)}) {
            layOutFor(screen);
            QList<QRect> now;
            for (const QWidget* panel : window_->findChildren<QGroupBox*>()) {
                for (const QWidget* content : panel->findChildren<QWidget*>()) {
                    now.append(content->geometry());
                }
            }
            QVERIFY(places.isEmpty() || now == places);
            places = now;
        }
        QVERIFY(places.size() > 20);
    }

    void visibilityAndColours() {
        layOutFor(QRect(0, 0, 1280, 1024));
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_));

        // The red indicators and the hint as drawn, inside their border; the other indicators: a
        // border on the standard surface colour.
        const QRgb surface = window_->palette().color(QPalette::Window).rgb();
        for (const auto& [label, inside, border] : {std::tuple{Role::kHandHint, kIndicatorRed, 0},
                                                    {Role::kDampingIndicator, kIndicatorRed, 0},
                                                    {Role::kRefractionIndicator, surface, 1},
                                                    {Role::kObstacleIndicator, surface, 1}}) {
            const QImage image = controls_.label(label)->grab().toImage();
            const QPoint corner(image.width() - 1, image.height() - 1);
            QCOMPARE(image.pixel(corner - QPoint(2, 2)), inside);
            QVERIFY(isInk(image.pixel(corner * border)));
        }
        // The labels in the chain view hide the view's background behind them.
        const QImage view = controls_.view()->grab().toImage();
        const QPoint corner =
            controls_.label(Role::kFixedEndLabel)->geometry().bottomRight() - QPoint(1, 1);
        QCOMPARE(view.pixel(corner), surface);
        QCOMPARE(controls_.label(Role::kFixedEndLabel)->frameShape(), QFrame::NoFrame);
    }

    void togglesLookPressed() {
        // Every button that stays on or off shows it, under Fusion and under Windows' style:
        // pressed, a band in the highlight colour along its lower edge, which the released button
        // lacks, whatever the style draws of its bevel.
        layOutFor(QRect(0, 0, 1280, 1024));
        int toggles = 0;
        for (const QString& style : {QStringLiteral("Fusion"), QStringLiteral("Windows")}) {
            const std::unique_ptr<QStyle> look(QStyleFactory::create(style));
            QVERIFY(look != nullptr);
            for (const Form::Entry& e : Form::entries()) {
                QAbstractButton* button = e.toggle ? controls_.button(e.control) : nullptr;
                if (button == nullptr) {
                    continue;
                }
                button->setStyle(look.get());
                const bool was = button->isChecked();
                const QPoint band(button->width() / 2, button->height() - 4);
                const auto bandOf = [&](bool on) {
                    button->setChecked(on);
                    return button->grab().toImage().pixel(band);
                };
                const QRgb highlight = button->palette().color(QPalette::Highlight).rgb();
                QVERIFY2(bandOf(true) == highlight && bandOf(false) != highlight,
                         qPrintable(style + u' ' + button->objectName()));
                button->setChecked(was);
                button->setStyle(nullptr);
                ++toggles;
            }
        }
        QCOMPARE(toggles, 2 * 7);
    }

    void clockReadOutLooksAsAnyTextBox() {
        // The clock's read-out paints every pixel itself, also after the panel's style sheet has
        // polished it, and lays its digits out unshaped; the window shows exactly what a plain text
        // box there would show.
        layOutFor(QRect(0, 0, 1280, 1024));
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_));
        QLineEdit& clock = *controls_.textBox(Role::kClockReadout);
        QVERIFY(clock.testAttribute(Qt::WA_OpaquePaintEvent));
        QLineEdit plain(controls_.frame(Role::kClockPanel));
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

    void narrowButtonWrapsItsCaption() {
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
            QVERIFY(!isInk(image.pixel(1, y)) && !isInk(image.pixel(image.width() - 2, y)));
        }
    }

    void shownWindowReturnsToItsCorner() {
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

private:
    void layOutFor(QRect screen) {
        MainLayout::layOut(*window_, controls_, window_->tools(), screenOf(screen));
    }

    std::unique_ptr<WindowSession> session_;
    Ondix15* window_ = nullptr;
    MainControls controls_;
};

QTEST_MAIN(TestMainLayout)
#include "main_layout_test.moc"
