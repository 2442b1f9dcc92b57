#pragma once

#include <QAbstractButton>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QWidget>

// What a widget shows as its caption: a button's, label's or text box's text, a frame's title,
// or the window title.
inline QString captionOf(const QWidget& w) {
    if (const auto* b = qobject_cast<const QAbstractButton*>(&w)) {
        return b->text();
    }
    if (const auto* l = qobject_cast<const QLabel*>(&w)) {
        return l->text();
    }
    if (const auto* e = qobject_cast<const QLineEdit*>(&w)) {
        return e->text();
    }
    if (const auto* f = qobject_cast<const QGroupBox*>(&w)) {
        return f->title();
    }
    return w.windowTitle();
}

// A window's named widgets as text, one line each, indented by depth: object name, class,
// caption, font, geometry within the parent, then only what differs from a widget's defaults
// (hidden, checked, back colours set on purpose, alignment, a scroll bar's settings, accessible
// name), and last the keyboard focus order from the first named widget that takes Tab.
inline QString controlTree(const QWidget& window) {
    QString text;
    const auto describe = [&](const auto& self, const QWidget& w, int depth) -> void {
        if (!w.objectName().isEmpty()) {
            const QRect g = w.geometry();
            QString line = QString(depth * 2, u' ') + w.objectName() + u' ' +
                           QLatin1String(w.metaObject()->className());
            line += QStringLiteral(" \"%1\" %2 %3pt")
                        .arg(captionOf(w), w.font().family())
                        .arg(w.font().pointSizeF());
            if (!w.isWindow()) { // where the window system puts it is not the window's
                line += QStringLiteral(" %1,%2 %3x%4")
                            .arg(g.x())
                            .arg(g.y())
                            .arg(g.width())
                            .arg(g.height());
            }
            line += w.isHidden() ? QStringLiteral(" hidden") : QString();
            if (const auto* b = qobject_cast<const QAbstractButton*>(&w); b && b->isChecked()) {
                line += QStringLiteral(" checked");
            }
            for (const auto role : {QPalette::Window, QPalette::Base}) {
                if (w.palette().isBrushSet(QPalette::Active, role)) {
                    line += QStringLiteral(" back %1").arg(w.palette().color(role).name());
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
            }
            if (!w.accessibleName().isEmpty()) {
                line += QStringLiteral(" accessible \"%1\"").arg(w.accessibleName());
            }
            text += line + u'\n';
        }
        for (const QObject* child : w.children()) {
            if (const auto* widget = qobject_cast<const QWidget*>(child)) {
                self(self, *widget, depth + (w.objectName().isEmpty() ? 0 : 1));
            }
        }
    };
    describe(describe, window, 0);
    // The focus chain, from the first widget that takes Tab, once round.
    const QWidget* first = window.nextInFocusChain();
    while (first != &window && !(first->focusPolicy() & Qt::TabFocus)) {
        first = first->nextInFocusChain();
    }
    text += QStringLiteral("focus:");
    const QWidget* w = first;
    do {
        if ((w->focusPolicy() & Qt::TabFocus) != 0 && !w->objectName().isEmpty()) {
            text += u' ' + w->objectName();
        }
        w = w->nextInFocusChain();
    } while (w != first);
    return text + u'\n';
}

// Compares a text with a golden file of the test's resources (":/golden/<name>"). On a
// difference the text is written to <name>.actual in the working folder, for a diff; with
// ONDIX_UPDATE_GOLDEN=1 it is written over the golden file in the source tree instead.
inline void checkGolden(const QString& actual, const QString& name) {
    if (qEnvironmentVariableIntValue("ONDIX_UPDATE_GOLDEN") == 1) {
        QFile out(QStringLiteral(QT_TESTCASE_SOURCEDIR "/") + name);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(actual.toUtf8());
        return;
    }
    QFile golden(QStringLiteral(":/golden/") + name);
    QVERIFY(golden.open(QIODevice::ReadOnly));
    const QString expected = QString::fromUtf8(golden.readAll());
    if (actual != expected) {
        QFile out(name + QStringLiteral(".actual"));
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(actual.toUtf8());
        const QStringList a = actual.split(u'\n');
        const QStringList e = expected.split(u'\n');
        qsizetype i = 0;
        while (i < a.size() && i < e.size() && a[i] == e[i]) {
            ++i;
        }
        QFAIL(qPrintable(QStringLiteral("line %1 differs (diff %2 %3):\n- %4\n+ %5")
                             .arg(i + 1)
                             .arg(name, out.fileName())
                             .arg(e.value(i), a.value(i))));
    }
}
