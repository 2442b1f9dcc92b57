#include "desktop/window/instruction_panel.h"

#include "desktop/platform/ui_metrics.h"
#include "instrument/control.h"
#include "instrument/form.h"
#include "language/language.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// A window manager's title bar, put on only when the window is shown, and the gap kept to the
// view's labels and edges.
constexpr int kTitleBar = 28;
constexpr int kGap = 8;

QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

} // namespace

InstructionPanel::InstructionPanel(QWidget& mainWindow)
    : QWidget(&mainWindow, Qt::Tool), title_(new QLabel(this)), text_(new QLabel(this)),
      close_(new QPushButton(text(Language::translate(N_("Schließen"))), this)) {
    setObjectName(QStringLiteral("Instruction"));
    setFont(UiMetrics::sansSerif(Form::kNormalPoints));
    QFont bold = font();
    bold.setBold(true);
    title_->setFont(bold);
    for (QLabel* label : {title_, text_}) {
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title_);
    layout->addWidget(text_, 1);
    layout->addWidget(close_, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    text_->setFixedWidth(UiMetrics::twipsToPixelsX(Experiments::kPanelWidth));
    title_->setFixedWidth(text_->width());
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
}

void InstructionPanel::showInstruction(const Experiments::Instruction& instruction) {
    const QString title = text(instruction.title);
    setWindowTitle(title);
    setAccessibleName(title);
    title_->setText(title);
    text_->setText(text(instruction.text));
    adjustSize();
    place();
    show();
    // The window system may have placed the new window elsewhere.
    place();
    raise();
    activateWindow();
    close_->setFocus(Qt::OtherFocusReason);
}

void InstructionPanel::place() {
    // Over the chain view: above the labels in its lower half, below those in its upper half,
    // its right edge left of the view's middle where there is room.
    const QWidget& main = *parentWidget();
    const std::string_view viewName = controlName(Role::kChainView);
    const auto* view = main.findChild<const QWidget*>(
        QString::fromLatin1(viewName.data(), qsizetype(viewName.size())));
    if (view == nullptr) {
        return;
    }
    int top = 0;
    int bottom = view->height();
    for (const QWidget* child : view->findChildren<const QWidget*>(Qt::FindDirectChildrenOnly)) {
        // Labels only: the tape's read-out and the keyboard's pointer follow the pointer.
        if (qobject_cast<const QLabel*>(child) == nullptr) {
            continue;
        }
        const QRect at = child->geometry();
        if (at.center().y() > view->height() / 2) {
            bottom = std::min(bottom, at.top());
        } else {
            top = std::max(top, at.bottom() + 1);
        }
    }
    // A window's place is its frame's; a title bar not yet put on is allowed for.
    const int above = std::max(kTitleBar, geometry().y() - frameGeometry().y());
    const QPoint origin = view->mapToGlobal(QPoint(0, 0));
    const int left = std::max(kGap, view->width() / 2 - width() - 4 * kGap);
    const int frameTop = std::max(top + kGap, bottom - kGap - height() - above);
    move(origin + QPoint(left, frameTop));
}

void InstructionPanel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
    } else {
        QWidget::keyPressEvent(event);
    }
}

void InstructionPanel::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closed();
    parentWidget()->activateWindow();
}
