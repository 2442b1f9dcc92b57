#pragma once

#include "instrument/form.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QWidget>

// The widget of a control in a window, found by the name the form gives it; the window itself
// for the window's control.
template <typename Window> Window* findControl(Window& window, Control control) {
    const std::string_view name = controlName(control);
    const QString objectName = QString::fromUtf8(name.data(), qsizetype(name.size()));
    return window.objectName() == objectName ? &window
                                             : window.template findChild<Window*>(objectName);
}

// What a widget shows as its caption: a window's title, a frame's title, the text of a button,
// label or text box, a scroll bar's value as spoken (its accessible description).
inline QString captionOf(const QWidget& w) {
    const QVariant title = w.property("title");
    return w.isWindow()                          ? w.windowTitle()
           : title.isValid()                     ? title.toString()
           : qobject_cast<const QScrollBar*>(&w) ? w.accessibleDescription()
                                                 : w.property("text").toString();
}

// The accessible role as both editions name it: a switch is a button, pressed or not, not a check
// box.
inline QString roleOf(const QWidget& w) {
    static const QHash<QAccessible::Role, QString> kRoles{
        {QAccessible::Client, "application"},  {QAccessible::Grouping, "group"},
        {QAccessible::Button, "button"},       {QAccessible::RadioButton, "radio"},
        {QAccessible::ScrollBar, "scrollbar"}, {QAccessible::EditableText, "textbox"},
        {QAccessible::StaticText, "text"}};
    const QAccessibleInterface* a = QAccessible::queryAccessibleInterface(const_cast<QWidget*>(&w));
    return kRoles.value(a != nullptr ? a->role() : QAccessible::NoRole, QStringLiteral("other"));
}

// The stops the Tab key makes in a shown window, from the chain view round to it again, as the
// golden text's last line: "focus:" and each stop's name. Each stop is where a real Tab press
// put the focus; where Shift+Tab from the view reaches another stop than the last, it is named.
inline QString tabStops(QWidget& window) {
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) {
        return QStringLiteral("focus: the window is not active");
    }
    QWidget* first = findControl(window, Role::kChainView);
    // Shift+Tab from the view first, before any control has had the focus: it must reach the
    // last stop, where Tab then goes round.
    first->setFocus(Qt::TabFocusReason);
    QTest::keyClick(first, Qt::Key_Tab, Qt::ShiftModifier);
    const QWidget* last = QApplication::focusWidget();
    first->setFocus(Qt::TabFocusReason);
    QString text = QStringLiteral("focus:");
    QWidget* at = first;
    for (int i = 0; i < 2 * kControlCount && at != nullptr; ++i) {
        text += u' ' + at->objectName();
        QTest::keyClick(at, Qt::Key_Tab);
        if (QApplication::focusWidget() == first) {
            return at == last ? text
                              : text + QStringLiteral(" (Shift+Tab from the view: %1)")
                                           .arg(last != nullptr ? last->objectName() : QString());
        }
        at = QApplication::focusWidget();
    }
    return text + QStringLiteral(" ... no way back to the chain view");
}

// The main window's controls as the form lists them, one line each, indented by their depth in
// the form, in a text both editions write alike (the page's test writes it from the page's
// DOM): name, kind, caption, font size, place within the container, then what differs from a
// control's defaults (hidden, disabled, checked, a back colour the handlers set, a bordered or
// centred label, a scroll bar's range and value), the accessible role and, where it is not the
// caption, the accessible name ("unnamed" where a control other than text has none), a switch's
// pressed state and description, and a read-only box; last the Tab key's stops (see tabStops). A
// line for one edition only starts with its name ("desktop: ", "page: ").
inline QString controlTree(QWidget& window) {
    static const char* const kKinds[] = {"Window",  "View",      "Frame",  "Button", "Label",
                                         "TextBox", "ScrollBar", "Option", "Pointer"};
    const auto depth = [](Control control) {
        int d = 0;
        for (Control c = control; c != Role::kWindow; c = Form::entry(c).parent) {
            ++d;
        }
        return d;
    };
    const auto when = [](bool holds, const char* word) {
        return holds ? QString::fromLatin1(word) : QString();
    };
    // The window's title keeps its run of blanks on the desktop; a browser's title shows none.
    QString text = QStringLiteral("desktop: %1 Window \"%2\" %3pt\n")
                       .arg(window.objectName(), window.windowTitle())
                       .arg(window.font().pointSizeF());
    for (const Form::Entry& e : Form::entries()) {
        const QWidget* found = findControl(window, e.control);
        if (found == nullptr) {
            text +=
                QStringLiteral("%1 missing\n").arg(QLatin1String(controlName(e.control).data()));
            continue;
        }
        const QWidget& w = *found;
        const ControlKind kind = controlKind(e.control);
        const QString caption = captionOf(w);
        const QRect g = w.geometry();
        QString line = QStringLiteral("%1%2 %3 \"%4\" %5pt %6,%7 %8x%9")
                           .arg(QString(depth(e.control) * 2, u' '), w.objectName(),
                                QLatin1String(kKinds[int(kind)]), caption)
                           .arg(w.font().pointSizeF())
                           .arg(g.x())
                           .arg(g.y())
                           .arg(g.width())
                           .arg(g.height());
        line += when(w.isHidden(), " hidden") + when(!w.isEnabled(), " disabled") +
                when(kind == ControlKind::Option && w.property("checked").toBool(), " checked");
        for (const auto role : {QPalette::Window, QPalette::Base}) {
            if (w.palette().isBrushSet(QPalette::Active, role)) {
                line += QStringLiteral(" back ") + w.palette().color(role).name();
            }
        }
        if (const auto* l = qobject_cast<const QLabel*>(&w)) {
            line += when(l->frameShape() == QFrame::Box, " indicator") +
                    when((l->alignment() & Qt::AlignHCenter) != 0, " centred");
        }
        if (const auto* s = qobject_cast<const QScrollBar*>(&w)) {
            line += QStringLiteral(" range %1..%2 value %3")
                        .arg(s->minimum())
                        .arg(s->maximum())
                        .arg(s->value());
        }
        // A hidden control is not among what a screen reader finds.
        if (kind != ControlKind::Pointer && !w.isHidden()) {
            line += QStringLiteral(" role ") + roleOf(w);
            const QAccessibleInterface* a =
                QAccessible::queryAccessibleInterface(const_cast<QWidget*>(&w));
            const QString name = a != nullptr ? a->text(QAccessible::Name) : QString();
            if (!name.isEmpty() && name.simplified() != caption.simplified()) {
                line += QStringLiteral(" accessible \"%1\"").arg(name);
            }
            line += when(name.isEmpty() && roleOf(w) != u"text", " unnamed");
            if (kind == ControlKind::Button && a->state().checkable) {
                line += a->state().checked ? u" pressed true" : u" pressed false";
            }
            if (kind == ControlKind::Button && e.shownBy != Role::kWindow) {
                line += QStringLiteral(" described \"%1\"").arg(a->text(QAccessible::Description));
            }
        }
        const auto* box = qobject_cast<const QLineEdit*>(&w);
        text += line + when(box != nullptr && box->isReadOnly(), " readonly") + u'\n';
        if (const auto* s = qobject_cast<const QScrollBar*>(&w)) {
            // How the desktop's bar reports and steps; the page's bar is its own widget.
            text += QStringLiteral("desktop: %1 step %2 page %3 tracking %4%5\n")
                        .arg(w.objectName())
                        .arg(s->singleStep())
                        .arg(s->pageStep())
                        .arg(s->hasTracking())
                        .arg(when(s->contextMenuPolicy() == Qt::NoContextMenu, " no menu"));
        }
    }
    return text + tabStops(window) + u'\n';
}

// Compares a text with a golden file among the test's resources (":/golden/<name>"), leaving
// out the lines of the other edition ("page: "); where they differ, the text is written to
// <name>.actual for a diff. With ONDIX_UPDATE_GOLDEN=1 the text is written over the golden file
// in the source tree instead, the other edition's lines kept after the first line.
inline void checkGolden(const QString& actual, const QString& name) {
    const QString otherEdition = QStringLiteral("page: ");
    const bool update = qEnvironmentVariableIntValue("ONDIX_UPDATE_GOLDEN") == 1;
    QFile stored(QStringLiteral(":/golden/") + name);
    QVERIFY(stored.open(QIODevice::ReadOnly));
    const QStringList all = QString::fromUtf8(stored.readAll()).split(u'\n');
    QStringList expected;
    QStringList others;
    for (const QString& line : all) {
        (line.startsWith(otherEdition) ? others : expected).append(line);
    }
    if (update) {
        QFile golden(QStringLiteral(QT_TESTCASE_SOURCEDIR "/") + name);
        QVERIFY(golden.open(QIODevice::WriteOnly));
        QStringList lines = actual.split(u'\n');
        for (qsizetype i = 0; i < others.size(); ++i) {
            lines.insert(1 + i, others[i]);
        }
        golden.write(lines.join(u'\n').toUtf8());
        return;
    }
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
