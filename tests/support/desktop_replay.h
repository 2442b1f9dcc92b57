#pragma once

#include "desktop/view/chain_view.h"
#include "desktop/window/time_diagram_panel.h"
#include "instrument/control.h"
#include "support/control_tree.h"
#include "support/scroll_bar_part.h"
#include "support/session_step.h"
#include "support/session_steps.h"
#include "support/window_session.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeySequence>
#include <QScrollBar>
#include <QTest>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

// The session both editions replay (session.steps), with real input events on the real main
// window between the passes it has the window run: mouse, keys, touch and scroll-bar parts, as a
// student's would come. `endState` is what the page and the instrument played without a
// toolkit must end in as well.
class DesktopReplay {
public:
    explicit DesktopReplay(std::vector<std::string> steps)
        : steps_(std::move(steps)), touchScreen_(QTest::createTouchDevice()) {}

    // After each step but the passes.
    std::function<void()> afterStep;

    WindowSession& session() { return session_; }

    // The window loaded and active, as a student's takes the keyboard; then the table, each of
    // its passes a frame of one pass with the events handled after it. A halted run makes no
    // passes, whatever the table asks.
    void run() {
        // The table runs the passes itself: a "Weiter" leaves them to it.
        ++session_.nesting;
        // The table's points are pixels of a picture of the session's size: the diagram opens
        // in a window of its own, so that the chain view keeps that size.
        session_.window->findChild<TimeDiagramPanel*>()->setDetached(true);
        session_.window->load();
        session_.window->activateWindow();
        if (!QTest::qWaitForWindowActive(session_.window.get())) {
            throw std::runtime_error("the main window did not become active");
        }
        for (const std::string& line : steps_) {
            const SessionStep step(line);
            if (step.verb == "passes") {
                for (int i = 0; i < step.number && session_.window->runPasses(1) == 1; ++i) {
                    ++session_.pass;
                    QCoreApplication::processEvents();
                }
                continue;
            }
            act(step);
            if (afterStep) {
                afterStep();
            }
        }
        --session_.nesting;
    }

    // The end states at the table's "check" steps, then the one at its end.
    std::string shown() { return checked_ + endState(); }
    // The picture's size, the hashes of the chain state and the picture, and every control as
    // its widget shows it: visible, checked, value, caption.
    std::string endState() {
        const auto* span =
            session_.window->findChild<QScrollBar*>(QStringLiteral("TimeDiagramSpan"));
        const TimeDiagram& diagram = session_.window->instrument().diagram();
        std::string text =
            SessionSteps::head(session_.view().picture(), session_.state) +
            SessionSteps::diagramLine(span ? span->value() : diagram.span(), diagram);
        for (int i = 0; i < kControlCount; ++i) {
            const std::string_view name = controlName(static_cast<Control>(i));
            const QWidget* w = widget(name);
            if (w == nullptr) {
                continue;
            }
            const auto* b = qobject_cast<const QAbstractButton*>(w);
            const auto* s = qobject_cast<const QScrollBar*>(w);
            text += SessionSteps::controlLine(name, !w->isHidden(), b && b->isChecked(),
                                              s ? s->value() : 0, captionOf(*w).toStdString());
        }
        return text;
    }

private:
    std::string checked_;

    QWidget* widget(std::string_view name) const {
        const QString objectName = QString::fromUtf8(name.data(), qsizetype(name.size()));
        return objectName == session_.window->objectName()
                   ? session_.window.get()
                   : session_.window->findChild<QWidget*>(objectName);
    }

    void act(const SessionStep& step) {
        const std::string& verb = step.verb;
        ChainView& view = session_.view();
        std::vector<QPoint> path;
        for (const auto& [x, y] : step.points) {
            path.emplace_back(x, y);
        }
        if (verb == "check") {
            checked_ += endState();
        } else if (verb == "focus") {
            // As a click into the view gives it: the main window active (the platform of the
            // tests activates every window it shows, the diagram's too), the view focused.
            if (!session_.window->isActiveWindow()) {
                session_.window->activateWindow();
                if (!QTest::qWaitFor([this] { return session_.window->isActiveWindow(); })) {
                    throw std::runtime_error("the main window did not become active");
                }
            }
            view.setFocus(Qt::OtherFocusReason);
        } else if (verb == "key") {
            const Qt::Key key = QKeySequence(QString::fromStdString(step.name))[0].key();
            QTest::keyClick(QApplication::focusWidget(), key,
                            step.option == "shift" ? Qt::ShiftModifier : Qt::NoModifier);
        } else if (verb == "drag") {
            const Qt::MouseButton button = step.option == "left" ? Qt::LeftButton : Qt::RightButton;
            QTest::mouseMove(&view, path.front());
            QTest::mousePress(&view, button, {}, path.front());
            for (std::size_t i = 1; i < path.size(); ++i) {
                QTest::mouseMove(&view, path[i]);
            }
            QTest::mouseRelease(&view, button, {}, path.back());
        } else if (verb == "doubleclick") {
            // As a mouse delivers it: press, release, the double click in place of the second
            // press, release.
            const QPoint at = path.front();
            QTest::mouseMove(&view, at);
            QTest::mouseClick(&view, Qt::LeftButton, {}, at);
            QTest::mouseDClick(&view, Qt::LeftButton, {}, at);
            QTest::mouseRelease(&view, Qt::LeftButton, {}, at);
        } else if (verb == "span") {
            auto* bar = session_.window->findChild<QScrollBar*>(QStringLiteral("TimeDiagramSpan"));
            const auto part =
                step.option == "up" ? QStyle::SC_ScrollBarAddLine : QStyle::SC_ScrollBarSubLine;
            for (int i = 0; i < step.number; ++i) {
                QTest::mouseClick(bar, Qt::LeftButton, {}, scrollBarPart(*bar, part).center());
            }
        } else if (verb == "touch") {
            QTest::touchEvent(&view, touchScreen_.get()).press(0, path.front());
            // The hold is decided from the events' time stamps.
            QTest::qWait(step.number);
            for (std::size_t i = 1; i < path.size(); ++i) {
                QTest::touchEvent(&view, touchScreen_.get()).move(0, path[i]);
            }
            QTest::touchEvent(&view, touchScreen_.get()).release(0, path.back());
        } else {
            QWidget* control = widget(step.name);
            if (control == nullptr) {
                throw std::runtime_error("no control " + step.name);
            }
            if (verb == "click") {
                QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
            } else if (verb == "arrow" || verb == "track") {
                const auto& bar = *qobject_cast<QScrollBar*>(control);
                const bool up = step.option == "up";
                const QStyle::SubControl part =
                    verb == "arrow"
                        ? (up ? QStyle::SC_ScrollBarAddLine : QStyle::SC_ScrollBarSubLine)
                        : (up ? QStyle::SC_ScrollBarAddPage : QStyle::SC_ScrollBarSubPage);
                for (int i = 0; i < step.number; ++i) {
                    QTest::mouseClick(control, Qt::LeftButton, {},
                                      scrollBarPart(bar, part).center());
                }
            } else {
                throw std::runtime_error("no step " + verb);
            }
        }
    }

    std::vector<std::string> steps_;
    std::unique_ptr<QPointingDevice> touchScreen_;
    WindowSession session_{1 << 30};
};
