// The toolkit's own texts in German: the context menus of a text field and of a scroll bar, as
// the right mouse button opens them on the read-out fields and scroll bars of the main window.

#include "platform/toolkit_language.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

// The menu's entries, "-" for a separator.
QStringList entries(const QMenu& menu) {
    QStringList texts;
    for (const QAction* action : menu.actions()) {
        texts.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return texts;
}

} // namespace

class TestToolkitLanguage : public QObject {
    Q_OBJECT

private slots:
    void contextMenusAreGerman() {
        QVERIFY(installGermanToolkitTexts());

        QLineEdit field;
        const std::unique_ptr<QMenu> fieldMenu(field.createStandardContextMenu());
        QCOMPARE(entries(*fieldMenu),
                 QStringList({"&Rückgängig\tStrg+Z", "Wieder&herstellen\tStrg+Y", "-",
                              "&Ausschneiden\tStrg+X", "&Kopieren\tStrg+C", "Einf&ügen\tStrg+V",
                              "Löschen", "-", "Alles auswählen\tStrg+A"}));

        // The scroll bar builds its menu when asked and waits in it until it is closed.
        QScrollBar bar(Qt::Horizontal);
        bar.resize(200, 17);
        bar.show();
        QStringList barMenu;
        QTimer::singleShot(0, &bar, [&barMenu]() {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                barMenu = entries(*menu);
                menu->close();
            }
        });
        const QPoint inside(100, 8);
        QContextMenuEvent click(QContextMenuEvent::Mouse, inside, bar.mapToGlobal(inside));
        QApplication::sendEvent(&bar, &click);
        QCOMPARE(barMenu, QStringList({"Hierher scrollen", "-", "Linker Rand", "Rechter Rand", "-",
                                       "Eine Seite nach links", "Eine Seite nach rechts", "-",
                                       "Nach links scrollen", "Nach rechts scrollen"}));
    }
};

QTEST_MAIN(TestToolkitLanguage)
#include "toolkit_language_test.moc"
