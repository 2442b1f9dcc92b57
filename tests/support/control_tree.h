#pragma once

#include <QFile>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <QWidget>

// What a widget shows as its caption: a window's title, a frame's title, or the text of a
// button, label or text box.
inline QString captionOf(const QWidget& w) {
    const QVariant title = w.property("title");
    return w.isWindow()      ? w.windowTitle()
           : title.isValid() ? title.toString()
                             : w.property("text").toString();
}

// A window's named widgets as text, one line each, indented by depth: name, class, caption,
// font, place within the parent, then what differs from a widget's defaults (hidden, checked,
// back colours set on purpose, a label's alignment and frame, a scroll bar's settings, the
// accessible name); last the keyboard focus order.
inline QString controlTree(const QWidget& window) {
    QString text;
    const auto describe = [&](const auto& self, const QWidget& w, int depth) -> void {
        const bool named = !w.objectName().isEmpty();
        if (named) {
            const QString caption = captionOf(w);
            QString line =
                QStringLiteral("%1%2 %3 \"%4\" %5 %6pt")
                    .arg(QString(depth * 2, u' '), w.objectName(),
                         QLatin1String(w.metaObject()->className()), caption, w.font().family())
                    .arg(w.font().pointSizeF());
            const QRect g = w.geometry(); // where the window system puts a window is not its own
            line += w.isWindow() ? QString()
                                 : QStringLiteral(" %1,%2 %3x%4")
                                       .arg(g.x())
                                       .arg(g.y())
                                       .arg(g.width())
                                       .arg(g.height());
            line += w.isHidden() ? QStringLiteral(" hidden") : QString();
            line += w.property("checked").toBool() ? QStringLiteral(" checked") : QString();
            for (const auto role : {QPalette::Window, QPalette::Base}) {
                if (w.palette().isBrushSet(QPalette::Active, role)) {
                    line += QStringLiteral(" back ") + w.palette().color(role).name();
                }
            }
            if (const auto* l = qobject_cast<const QLabel*>(&w)) {
                line += QStringLiteral(" align %1 frame %2")
                            .arg(int(l->alignment()))
                            .arg(l->frameStyle());
            }
            if (const auto* s = qobject_cast<const QScrollBar*>(&w)) {
                line += QStringLiteral(" range %1..%2 value %3 step %4 page %5 tracking %6")
                            .arg(s->minimum())
                            .arg(s->maximum())
                            .arg(s->value())
                            .arg(s->singleStep())
                            .arg(s->pageStep())
                            .arg(s->hasTracking());
                line += s->contextMenuPolicy() == Qt::NoContextMenu ? QStringLiteral(" no menu")
                                                                    : QString();
            }
            if (!w.accessibleName().isEmpty()) {
                line += QStringLiteral(" accessible \"%1\"").arg(w.accessibleName());
            }
            text += line + u'\n';
        }
        for (const QObject* child : w.children()) {
            if (child->isWidgetType()) {
                self(self, *static_cast<const QWidget*>(child), depth + (named ? 1 : 0));
            }
        }
    };
    describe(describe, window, 0);
    text += QStringLiteral("focus:");
    const QWidget* w = &window;
    while ((w = w->nextInFocusChain()) != &window) {
        if ((w->focusPolicy() & Qt::TabFocus) != 0 && !w->objectName().isEmpty()) {
            text += u' ' + w->objectName();
        }
    }
    return text + u'\n';
}

// Compares a text with a golden file among the test's resources (":/golden/<name>"); where they
// differ, the text is written to <name>.actual for a diff. With ONDIX_UPDATE_GOLDEN=1 the text
// is written over the golden file in the source tree instead.
inline void checkGolden(const QString& actual, const QString& name) {
    const bool update = qEnvironmentVariableIntValue("ONDIX_UPDATE_GOLDEN") == 1;
    QFile golden(update ? QStringLiteral(QT_TESTCASE_SOURCEDIR "/") + name
                        : QStringLiteral(":/golden/") + name);
    QVERIFY(golden.open(update ? QIODevice::WriteOnly : QIODevice::ReadOnly));
    if (update) {
        golden.write(actual.toUtf8());
        return;
    }
    const QStringList expected = QString::fromUtf8(golden.readAll()).split(u'\n');
    const QStringList lines = actual.split(u'\n');
    QFile out(name + QStringLiteral(".actual"));
    for (qsizetype i = 0; i < std::max(lines.size(), expected.size()); ++i) {
        if (lines.value(i) != expected.value(i) && out.open(QIODevice::WriteOnly)) {
            out.write(actual.toUtf8());
        }
        QVERIFY2(lines.value(i) == expected.value(i),
                 qPrintable(QStringLiteral("line %1 (diff %2 %3):\n- %4\n+ %5")
                                .arg(i + 1)
                                .arg(name, out.fileName(), expected.value(i), lines.value(i))));
    }
}
