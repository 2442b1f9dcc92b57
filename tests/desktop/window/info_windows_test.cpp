// The information windows: which one the info button opens, that each exists once, where the
// torsion chain's window opens, that both can be open at once, that every paragraph fits its
// block in the font the program carries (also under font configurations of the test's own:
// DejaVu alone or the system's fonts, each with every hinting and without antialiasing), and
// that the windows never hold up the main window or the end of the program. The same for every
// language the program has: the page shows its texts, and they fit the same blocks.

#include "core/chain_constants.h"
#include "core/chain_state.h"
#include "desktop/platform/ui_metrics.h"
#include "desktop/window/info_button.h"
#include "desktop/window/ondix15.h"
#include "instrument/info_texts.h"
#include "language/language.h"
#include "support/window_session.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <algorithm>

namespace {

QStringList paragraphs(const std::vector<std::string_view>& texts) {
    QStringList list;
    for (const std::string_view text : texts) {
        list.append(QString::fromUtf8(text.data(), qsizetype(text.size())));
    }
    return list;
}

// The numbers a paragraph names, with a decimal point, in order of size.
QStringList numbersIn(const QString& text) {
    QStringList numbers;
    static const QRegularExpression number(QStringLiteral("\\d+([.,]\\d+)?"));
    for (const QRegularExpressionMatch& match : number.globalMatch(text)) {
        numbers.append(match.captured().replace(',', '.'));
    }
    std::sort(numbers.begin(), numbers.end(),
              [](const QString& a, const QString& b) { return a.toDouble() < b.toDouble(); });
    return numbers;
}

// The two windows by the names the instrument gives them.
const QString kTorsionWindow = QString::fromUtf8(InfoPages::torsionChain().name.data());
const QString kPendulumWindow = QString::fromUtf8(InfoPages::pendulumChain().name.data());

QList<QWidget*> windowsNamed(const QString& name) {
    QList<QWidget*> found;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name && widget->isVisible()) {
            found.append(widget);
        }
    }
    return found;
}

// The open window of that name, or null.
QWidget* shown(const QString& name) {
    return windowsNamed(name).value(0);
}

// The info button clicked with a chain of that type.
void showFor(InfoButton& windows, float selfCoeff) {
    ChainState state;
    state.selfCoeff = selfCoeff;
    windows.show(InfoPages::forChain(state));
}

QPoint screenCorner() {
    return QGuiApplication::primaryScreen()->geometry().topLeft();
}

// Where a top-left aligned label draws its text: inside border and padding, less its margin
// and, at the top and the left, its indent (half an "x" where a framed label has none set).
QRect textArea(const QLabel& label) {
    const int margin = label.margin();
    int indent = label.indent();
    if (indent < 0) {
        indent = label.frameWidth() > 0
                     ? label.fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - margin
                     : 0;
    }
    indent = std::max(indent, 0);
    return label.contentsRect().adjusted(margin + indent, margin + indent, -margin, -margin);
}

// Words of the interface and numbers each paragraph must name, in the order of the blocks.
// clang-format off
const QStringList kMeasuringTerms{"Zeiteinheiten je Sekunde", "langsam ---schnell", "Uhr Start",
    "Halt/Weiter", "Schritt", "Momentbild", "Zeitdiagramm", "Doppelklick", "Messband",
    "Geschwindigkeit einer Welle"};
// clang-format on
const QList<QStringList> kTorsionTerms{
    {"97", "Kugeln", "Federn", "senkrecht", "Schwerkraft", "Torsionskette"},
    {"Anfangspunkt", "Maus", "linker Maustaste", "Finger", "Pfeiltasten"},
    {"ersten", "rechten Nachbarn", "beiden Nachbarn", "letzte", "Dämpfung On", "Geschwindigkeit"},
    {"harmonisch", "Amplitude", "Periode", "On/Off"},
    {"Löschfunktionen", "Ruhe", "Geschwindigkeiten", "Auslenkungen", "Halt/Weiter"},
    {"lose", "Dämpfung Off", "Dämpfung On", "reflektiert", "fortlaufende Wellen", "Brechung"},
    {"Hindernis", "Mitte", "Geschwindigkeit"},
    {"Brechung", "rechten", "vierfache Masse", "Federn", "gleicher Frequenz", "halbe Wellenlänge",
     "Grenze", "gedämpfte Ende", "Rechts", "links", "Periode 25"},
    {"Torsionskette", "Dispersion", "lang gegen den Kugelabstand", "Halt/Weiter",
     "rechter Maustaste", "Finger", "halbe Sekunde", "M, Pfeile, Eingabe", "Messband",
     "Wellenlänge"},
    kMeasuringTerms,
};
const QList<QStringList> kPendulumTerms{
    {"97", "Fäden", "Federn", "Torsionskette", "Schwerkraft", "Ruhelage"},
    {"Pendelkette", "Dispersion", "Torsionskette", "Deshalb", "Wellengruppe"},
    {"Pendelkette", "untere Grenzfrequenz", "20 Zeiteinheiten", "klingt nach rechts hin ab",
     "Wellenlänge beliebig groß", "Dämpfung", "reflektiert"},
    {"Torsionskette", "Pendelkette", "obere Grenzfrequenz", "gegenphasig",
     "keine untere Grenzfrequenz", "langsame Anregung", "Wellenlänge hat keine obere Grenze"},
    {"Pendelkette", "Phasengeschwindigkeit", "Gruppengeschwindigkeit", "Kopf der Gruppe"},
    kMeasuringTerms,
};

} // namespace

class TestInfoWindows : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // As the program does before its first window.
        UiMetrics::installFontSubstitutes();
    }

    void cleanup() { Language::use("de"); }

    void fontConfigurationIsInEffect() {
        const QByteArray fonts = qgetenv("ONDIX_TEST_FONTS");
        const QByteArray rendering = qgetenv("ONDIX_TEST_RENDERING");
        if (fonts.isEmpty()) {
            QSKIP("the machine's own font configuration");
        }
        // DejaVu alone shows nothing else but fontconfig's generic names and the program's font.
        const QStringList dejaVuAlone{"Liberation Sans", "Monospace", "Sans Serif", "Serif"};
        const QStringList families = QFontDatabase::families();
        QCOMPARE(families.contains("Liberation Mono"), fonts == "system");
        for (const QString& family : families) {
            QVERIFY2(fonts == "system" || family.startsWith("DejaVu") ||
                         dejaVuAlone.contains(family),
                     qPrintable(family));
        }

        // The text is laid out as with the hinting asked for by name, and drawn in two colours
        // only where antialiasing is off.
        QFont font = UiMetrics::sansSerif(9.75);
        QFont named = font;
        named.setHintingPreference(rendering == "none"     ? QFont::PreferNoHinting
                                   : rendering == "slight" ? QFont::PreferVerticalHinting
                                                           : QFont::PreferFullHinting);
        const QString all = paragraphs(InfoTexts::torsionChain()).join(' ') +
                            paragraphs(InfoTexts::pendulumChain()).join(' ');
        QCOMPARE(QFontMetricsF(font).horizontalAdvance(all),
                 QFontMetricsF(named).horizontalAdvance(all));
        QImage image(400, 40, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(font);
        painter.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("Wellenträger"));
        painter.end();
        const auto* pixels = reinterpret_cast<const QRgb*>(image.constBits()); // row after row
        QCOMPARE(QSet<QRgb>(pixels, pixels + image.width() * image.height()).size() == 2,
                 rendering == "mono");
    }

    void eachChainTypeOpensItsWindow_data() {
        QTest::addColumn<float>("selfCoeff");
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("clientTwips");
        QTest::newRow("torsion") << Chain::kTorsionSelfCoeff << kTorsionWindow
                                 << "Informationen zur Torsionszarvel" + QString(17, ' ')
                                 << QSize(11595, 10335);
        QTest::newRow("pendulum") << Chain::kPendulumSelfCoeff << kPendulumWindow
                                  << "Informationen zur Zarvel Typ Pendelkette"
                                  << QSize(11670, 9495);
    }

    void eachChainTypeOpensItsWindow() {
        QFETCH(float, selfCoeff);
        QFETCH(QString, opened);
        QFETCH(QString, caption);
        QFETCH(QSize, clientTwips);
        InfoButton windows;
        showFor(windows, selfCoeff);

        QCOMPARE(windowsNamed(kTorsionWindow).size(), opened == kTorsionWindow ? 1 : 0);
        QCOMPARE(windowsNamed(kPendulumWindow).size(), opened == kPendulumWindow ? 1 : 0);
        QWidget* window = windowsNamed(opened).value(0);
        QVERIFY(window->windowTitle().startsWith(caption));
        QCOMPARE(window->size(), QSize(UiMetrics::twipsToPixelsX(clientTwips.width()),
                                       UiMetrics::twipsToPixelsY(clientTwips.height())));
        QVERIFY(!window->isModal());
        QCOMPARE(window->parentWidget(), nullptr);
        // Escape closes it, as its close box does.
        QTest::keyClick(window, Qt::Key_Escape);
        QVERIFY(shown(opened) == nullptr);
    }

    void secondClickShowsTheSameWindow() {
        InfoButton windows;
        showFor(windows, Chain::kPendulumSelfCoeff);
        QWidget* first = shown(kPendulumWindow);
        QVERIFY(first != nullptr);
        first->showMinimized();
        showFor(windows, Chain::kPendulumSelfCoeff);
        QCOMPARE(shown(kPendulumWindow), first);
        QVERIFY(!first->isMinimized());
        QCOMPARE(windowsNamed(kPendulumWindow).size(), 1);
    }

    void torsionWindowOpensAtTheCornerOnlyWhenCreated() {
        InfoButton windows;
        showFor(windows, Chain::kTorsionSelfCoeff);
        QPointer<QWidget> first = shown(kTorsionWindow);
        QTRY_COMPARE(first->frameGeometry().topLeft(), screenCorner());

        // Moved by the student, it stays where it is while it is open.
        const QPoint moved = screenCorner() + QPoint(200, 150);
        first->move(moved);
        showFor(windows, Chain::kTorsionSelfCoeff);
        QCOMPARE(shown(kTorsionWindow), first.data());
        QCOMPARE(first->pos(), moved);

        // Closed, it is destroyed; the next click creates it afresh at the corner.
        first->close();
        QCOMPARE(shown(kTorsionWindow), nullptr);
        QTRY_VERIFY(first.isNull());
        showFor(windows, Chain::kTorsionSelfCoeff);
        QVERIFY(shown(kTorsionWindow) != nullptr);
        QTRY_COMPARE(shown(kTorsionWindow)->frameGeometry().topLeft(), screenCorner());
    }

    void bothWindowsOpenAfterSwitchingTheChainType() {
        InfoButton windows;
        showFor(windows, Chain::kTorsionSelfCoeff);
        showFor(windows, Chain::kPendulumSelfCoeff);
        QWidget* torsion = shown(kTorsionWindow);
        QVERIFY(torsion != nullptr);
        QVERIFY(shown(kPendulumWindow) != nullptr);

        // Back to the torsion chain: still the same two windows.
        showFor(windows, Chain::kTorsionSelfCoeff);
        QCOMPARE(shown(kTorsionWindow), torsion);
        QCOMPARE(windowsNamed(kTorsionWindow).size() + windowsNamed(kPendulumWindow).size(), 2);
    }

    void everyParagraphFitsItsBlock_data() {
        QTest::addColumn<QString>("language");
        for (const std::string_view code : Language::codes()) {
            const QString language = QString::fromUtf8(code.data(), qsizetype(code.size()));
            QTest::newRow(qPrintable(language)) << language;
        }
    }

    void everyParagraphFitsItsBlock() {
        QFETCH(QString, language);
        QVERIFY(Language::use(language.toStdString()));
        const QList<QStringList> german{paragraphs(InfoTexts::torsionChain()),
                                        paragraphs(InfoTexts::pendulumChain())};
        QStringList cutOff;
        for (const InfoPage& page : {InfoPages::torsionChain(), InfoPages::pendulumChain()}) {
            InfoWindow window(page);
            window.show();
            const QStringList texts = paragraphs(page.texts);
            // Every paragraph in the language in use, naming the German's numbers.
            const QStringList& source = german[page.name == InfoPages::torsionChain().name ? 0 : 1];
            QCOMPARE(texts.size(), source.size());
            for (qsizetype i = 0; i < texts.size(); ++i) {
                QCOMPARE(texts[i] == source[i], language == "de");
                QCOMPARE(numbersIn(texts[i]), numbersIn(source[i]));
            }
            QCOMPARE(window.windowTitle().startsWith("Informationen"), language == "de");
            const QList<QLabel*> blocks = window.findChildren<QLabel*>();
            QCOMPARE(blocks.size(), texts.size());
            const QRect client = window.rect();
            const QImage image = window.grab().toImage();
            for (qsizetype i = 0; i < texts.size(); ++i) {
                const QString name = QStringLiteral("Label%1").arg(i + 1);
                const QLabel& block = *window.findChild<QLabel*>(name);
                const QString where = window.objectName() + '.' + name;
                QCOMPARE(block.text(), texts[i]);
                QCOMPARE(block.font().pointSizeF(), 9.75);
                QVERIFY2(client.contains(block.geometry()), qPrintable(where));
                for (const QLabel* other : blocks) {
                    QVERIFY2(other == &block || !block.geometry().intersects(other->geometry()),
                             qPrintable(where));
                }

                // A single-line border on all four sides around a coloured fill.
                const QRect outline = block.geometry();
                const QPoint centre = outline.center();
                for (const QPoint edge :
                     {QPoint(outline.left(), centre.y()), QPoint(outline.right(), centre.y()),
                      QPoint(centre.x(), outline.top()), QPoint(centre.x(), outline.bottom())}) {
                    QVERIFY2(qGray(image.pixel(edge)) < 100, qPrintable(where + " lacks a border"));
                }
                const QRgb fill = image.pixel(outline.bottomRight() - QPoint(2, 2));
                QVERIFY2(qGray(fill) > 150 && fill != image.pixel(0, 0), qPrintable(where));

                const QRect area = textArea(block);
                const QRect used = block.fontMetrics().boundingRect(
                    area, int(block.alignment()) | Qt::TextWordWrap, block.text());
                const QString family = QFontInfo(block.font()).family();
                qInfo().noquote() << where << family << "needs" << used.height() << "of"
                                  << area.height() << "px";
                QCOMPARE(family, QStringLiteral("Liberation Sans"));
                if (!area.contains(used)) {
                    cutOff.append(where);
                }
            }
        }
        QVERIFY2(cutOff.isEmpty(), qPrintable("cut off: " + cutOff.join(", ")));
    }

    void everyParagraphNamesItsTermsAndNumbers() {
        const QList<std::pair<QStringList, QList<QStringList>>> pages{
            {paragraphs(InfoTexts::torsionChain()), kTorsionTerms},
            {paragraphs(InfoTexts::pendulumChain()), kPendulumTerms}};
        for (const auto& [texts, terms] : pages) {
            QCOMPARE(texts.size(), terms.size());
            for (qsizetype i = 0; i < texts.size(); ++i) {
                // One paragraph, broken only by the block's width.
                QVERIFY(!texts[i].contains('\n'));
                for (const QString& term : terms[i]) {
                    QVERIFY2(
                        texts[i].contains(term),
                        qPrintable(QStringLiteral("Label%1 lacks \"%2\"").arg(i + 1).arg(term)));
                }
            }
        }
    }

    void runContinuesWhileTheButtonOpensAWindow() {
        // The run loop's yield clicks the info button at its first pass; a window that waited for
        // the student would stop the run there.
        WindowSession s(5);
        s.onPass = [&](int pass) {
            if (pass == 1) {
                s.c().button(Role::kInfoButton)->click();
            }
        };
        s.start();
        QCOMPARE(s.pass, 5);
        QCOMPARE(windowsNamed(kTorsionWindow).size(), 1);
    }

    void programEndsWithItsLastWindow() {
        // Halted, the main window closes like any window; the program goes on while an information
        // window is open and ends when that is closed.
        WindowSession s;
        s.startHalted();
        Ondix15& window = *s.window;
        s.state.selfCoeff = Chain::kPendulumSelfCoeff;
        window.controls().button(Role::kInfoButton)->click();
        QWidget* info = windowsNamed(kPendulumWindow).value(0);
        QVERIFY(info != nullptr);

        bool runningWithoutMainWindow = false;
        QTimer::singleShot(0, &window, [&]() {
            window.close();
            QTimer::singleShot(100, info, [&]() {
                runningWithoutMainWindow = !window.isVisible();
                info->close();
            });
        });
        // Should the program not end, this ends the wait with another code.
        const QObject giveUp; // the wait's end, gone with the test
        QTimer::singleShot(5000, &giveUp, [] { QCoreApplication::exit(2); });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(runningWithoutMainWindow);
    }
};

QTEST_MAIN(TestInfoWindows)
#include "info_windows_test.moc"
