#include "desktop/window/instruction_panel.h"

#include "desktop/platform/ui_metrics.h"
#include "instrument/form.h"
#include "language/language.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
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

InstructionPanel::InstructionPanel(QWidget& mainWindow, const QWidget& view)
    : QWidget(&mainWindow, Qt::Tool), view_(view), title_(new QLabel(this)),
      text_(new QLabel(this)), scroll_(new QScrollArea(this)),
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
    scroll_->setWidget(text_);
    scroll_->setWidgetResizable(true);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setBackgroundRole(QPalette::Window);
    const int width = UiMetrics::twipsToPixelsX(Experiments::kPanelWidth);
    scroll_->setFixedWidth(width);
    title_->setFixedWidth(width);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title_);
    layout->addWidget(scroll_);
    layout->addWidget(close_, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
}

void InstructionPanel::showInstruction(const Experiments::Instruction& instruction) {
    const QString title = text(instruction.title);
    setWindowTitle(title);
    setAccessibleName(title);
    title_->setText(title);
    text_->setText(text(instruction.text));
    scroll_->verticalScrollBar()->setValue(0);
    fitAndPlace();
    show();
    // The window system may have placed the new window elsewhere.
    fitAndPlace();
    raise();
    activateWindow();
    close_->setFocus(Qt::OtherFocusReason);
}

void InstructionPanel::fitAndPlace() {
    // Over the chain view: above the labels in its lower half, below those in its upper half,
    // its right edge left of the view's middle where there is room.
    int top = 0;
    int bottom = view_.height();
    for (const QWidget* child : view_.findChildren<const QWidget*>(Qt::FindDirectChildrenOnly)) {
        // Labels only: the tape's read-out and the keyboard's pointer follow the pointer.
        if (qobject_cast<const QLabel*>(child) == nullptr) {
            continue;
        }
        const QRect at = child->geometry();
        if (at.center().y() > view_.height() / 2) {
            bottom = std::min(bottom, at.top());
        } else {
            top = std::max(top, at.bottom() + 1);
        }
    }
    // A window's place is its frame's. Where the frame is not known yet, the toolkit places the
    // client area there and a window manager puts its title bar on above it later: the client
    // area goes a title bar's height lower, so that the frame keeps clear of the view's labels.
    placedAbove_ = geometry().y() - frameGeometry().y();
    const int above = placedAbove_ > 0 ? placedAbove_ : kTitleBar;
    // The whole text where it fits, as much of it as fits otherwise.
    const QMargins margins = layout()->contentsMargins();
    const int others = margins.top() + margins.bottom() + 2 * layout()->spacing() +
                       title_->heightForWidth(title_->width()) + close_->sizeHint().height();
    const int room = bottom - top - 2 * kGap - above - others;
    const int whole = text_->heightForWidth(scroll_->width());
    const int bar = whole > room ? style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0;
    scroll_->setFixedHeight(
        std::max(fontMetrics().lineSpacing(),
                 std::min(room, text_->heightForWidth(scroll_->width() - bar))));
    adjustSize();
    const QPoint origin = view_.mapToGlobal(QPoint(0, 0));
    const int left = std::max(kGap, view_.width() / 2 - width() - 4 * kGap);
    const int frameTop = std::max(top + kGap, bottom - kGap - height() - above);
    move(origin + QPoint(left, frameTop + (placedAbove_ > 0 ? 0 : above)));
}

void InstructionPanel::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    // Only for a frame other than the one placed with: a move by the student stays.
    const int above = geometry().y() - frameGeometry().y();
    if (isVisible() && above > 0 && above != placedAbove_) {
        fitAndPlace();
    }
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
