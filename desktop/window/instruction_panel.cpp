#include "desktop/window/instruction_panel.h"

#include "desktop/platform/ui_metrics.h"
#include "instrument/form.h"
#include "language/language.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The lines of the text it shows at least, where the room is short; the rest scrolls.
constexpr int kLeastLines = 2;

QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

} // namespace

InstructionPanel::InstructionPanel(QWidget& mainWindow, QWidget& view)
    : QFrame(&mainWindow), view_(view), title_(new QLabel(this)), text_(new QLabel(this)),
      scroll_(new QScrollArea(this)),
      close_(new QPushButton(text(Language::translate(N_("Schließen"))), this)) {
    setObjectName(QStringLiteral("Instruction"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
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
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title_);
    layout->addWidget(scroll_, 1);
    layout->addWidget(close_, 0, Qt::AlignRight);
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    hide();
}

int InstructionPanel::heightAt(int width, int lines) const {
    const QMargins m = layout()->contentsMargins() + contentsMargins();
    const int inside = std::max(1, width - m.left() - m.right());
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int shown = lines > 0 ? lines * text_->fontMetrics().lineSpacing()
                                : text_->heightForWidth(inside - bar);
    return m.top() + m.bottom() + 2 * layout()->spacing() + title_->heightForWidth(inside) + shown +
           close_->sizeHint().height();
}

LessonLayout::Tool InstructionPanel::tool() const {
    const int designed = UiMetrics::twipsToPixelsX(Experiments::kPanelWidth);
    return {isVisibleTo(parentWidget()), double(heightAt(designed, kLeastLines)), 0,
            [this](double width) { return double(heightAt(int(width), 0)); }};
}

void InstructionPanel::showInstruction(const Experiments::Instruction& instruction) {
    const QString title = text(instruction.title);
    setAccessibleName(title);
    title_->setText(title);
    text_->setText(text(instruction.text));
    scroll_->verticalScrollBar()->setValue(0);
    if (!isAncestorOf(QApplication::focusWidget())) {
        cameFrom_ = QApplication::focusWidget();
    }
    show();
    // The new text may need another height.
    emit placeChanged();
    close_->setFocus(Qt::OtherFocusReason);
}

void InstructionPanel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
    } else {
        QFrame::keyPressEvent(event);
    }
}

void InstructionPanel::closeEvent(QCloseEvent* event) {
    event->accept();
    if (isAncestorOf(QApplication::focusWidget())) {
        QWidget* back = cameFrom_ != nullptr && cameFrom_->isVisible() ? cameFrom_.data() : &view_;
        back->setFocus(Qt::OtherFocusReason);
    }
    emit closed();
}

void InstructionPanel::showEvent(QShowEvent* event) {
    QFrame::showEvent(event);
    if (!event->spontaneous()) {
        emit placeChanged();
    }
}

void InstructionPanel::hideEvent(QHideEvent* event) {
    QFrame::hideEvent(event);
    if (!event->spontaneous()) {
        emit placeChanged();
    }
}
