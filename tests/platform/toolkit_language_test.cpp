// The program's language as its arguments choose it, and the toolkit's own texts in it: the
// German translation is installed and in effect, so that the context menus the right mouse
// button opens on the read-out fields and scroll bars of the main window, and the buttons of its
// boxes, are German. The translator's wording is Qt's own.

#include "language/language.h"
#include "platform/toolkit_language.h"

#include <QAction>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTranslator>

#include <memory>

class TestToolkitLanguage : public QObject {
    Q_OBJECT

private slots:
    void argumentsChooseTheLanguage() {
        const QString program = QStringLiteral("ondix15");
        chooseProgramLanguage({program, QStringLiteral("--language"), QStringLiteral("en")});
        QCOMPARE(Language::current(), "en");
        chooseProgramLanguage({program, QStringLiteral("--language=de")});
        QCOMPARE(Language::current(), "de");
        // The last one counts; an unknown or missing code leaves the system's choice, which
        // for this test's environment (LANGUAGE=de) is German.
        chooseProgramLanguage({program, QStringLiteral("--language=de"),
                               QStringLiteral("--language"), QStringLiteral("en")});
        QCOMPARE(Language::current(), "en");
        for (const char* unknown : {"--language=fr", "--language=", "--language"}) {
            chooseProgramLanguage({program, QStringLiteral("--language=en"), QString(unknown)});
            QCOMPARE(Language::current(), "de");
        }
        // LANGUAGE as gettext reads it: the first it has of the list; the argument before it.
        qputenv("LANGUAGE", "fr:en_GB:de");
        chooseProgramLanguage({program});
        QCOMPARE(Language::current(), "en");
        chooseProgramLanguage({program, QStringLiteral("--language"), QStringLiteral("de")});
        QCOMPARE(Language::current(), "de");
        qputenv("LANGUAGE", "de");
    }

    void toolkitTextsAreTranslated() {
        chooseProgramLanguage({QStringLiteral("ondix15"), QStringLiteral("--language=de")});
        QVERIFY(installToolkitTexts());
        // Texts every translation of the toolkit carries read as Qt's German translation has
        // them, which differs from their English source.
        QTranslator german;
        QVERIFY(german.load(QStringLiteral("qtbase_de"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
        for (const auto& [context, source] :
             {std::pair{"QLineEdit", "&Undo"}, std::pair{"QScrollBar", "Scroll here"}}) {
            const QString shown = QCoreApplication::translate(context, source);
            QCOMPARE(shown, german.translate(context, source));
            QVERIFY2(shown != QLatin1String(source), source);
        }
        // And a menu the toolkit builds shows the translation.
        QLineEdit field;
        const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
        QCOMPARE(menu->actions().first()->text().section('\t', 0, 0),
                 german.translate("QLineEdit", "&Undo"));
    }
};

QTEST_MAIN(TestToolkitLanguage)
#include "toolkit_language_test.moc"
