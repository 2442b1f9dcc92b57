// The program's language as the command line, a setup and the system choose it, and the toolkit's
// own texts in it: the German translation is installed and in effect, so that the context menus the
// right mouse button opens on the read-out fields and scroll bars of the main window, and the
// buttons of its boxes, are German. The translator's wording is Qt's own.

#include "desktop/platform/toolkit_language.h"
#include "instrument/setup.h"
#include "language/language.h"

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
    void askedSetupAndSystemChooseTheLanguage() {
        const auto asked = [](const char* code) { return std::optional<QString>(code); };
        const auto setup = [](const char* code) {
            return Setup::parse(code ? std::string("lang=") + code : std::string());
        };
        chooseProgramLanguage(asked("en"), setup(nullptr));
        QCOMPARE(Language::current(), "en");
        // The command line before the setup, the setup before the system (LANGUAGE=de here).
        chooseProgramLanguage(asked("de"), setup("en"));
        QCOMPARE(Language::current(), "de");
        chooseProgramLanguage(std::nullopt, setup("en"));
        QCOMPARE(Language::current(), "en");
        // A code the program does not have changes nothing: the next in line counts.
        for (const char* unknown : {"fr", "", "EN"}) {
            chooseProgramLanguage(asked(unknown), setup("xx"));
            QCOMPARE(Language::current(), "de");
            chooseProgramLanguage(asked(unknown), setup("en"));
            QCOMPARE(Language::current(), "en");
        }
        // LANGUAGE as gettext reads it: the first it has of the list.
        qputenv("LANGUAGE", "fr:en_GB:de");
        chooseProgramLanguage(std::nullopt, setup(nullptr));
        QCOMPARE(Language::current(), "en");
        qputenv("LANGUAGE", "de");
        chooseProgramLanguage(std::nullopt, setup(nullptr));
        QCOMPARE(Language::current(), "de");
    }

    void toolkitTextsAreTranslated() {
        chooseProgramLanguage(QStringLiteral("de"), Setup());
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
