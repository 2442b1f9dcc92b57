#include "ui/ondix15.h"

#include "core/chain_constants.h"
#include "platform/locale_text.h"
#include "platform/process_end.h"
#include "platform/qt_colour.h"
#include "sim/chain_view.h"
#include "ui/main_layout.h"

#include <QCloseEvent>
#include <QLineEdit>

Ondix15::Ondix15(ChainRunner::Yield yield, QWidget* parent)
    : QWidget(parent), controls_(MainLayout::createControls(*this)),
      runner_(std::make_unique<ChainRunner>(state_, *controls_.Picture1, *controls_.Text4,
                                            std::move(yield))) {
    setObjectName(QStringLiteral("Ondix15"));
}

Ondix15::~Ondix15() = default;

void Ondix15::Form_Load() {
    const auto screen = MainLayout::ScreenMetrics::primary();
    MainLayout::layOut(*this, controls_, screen);
    show();
    // The window system may have placed the new window elsewhere.
    MainLayout::placeShownWindow(*this, screen);
    initialiseChain();
    if (state_.running == 0) {
        runner_->RunChain();
    } else {
        endProcess(0);
    }
}

void Ondix15::initialiseChain() {
    setStartValues(state_);
    controls_.Text3->setText(doubleText(25));
    controls_.Text5->setText(QStringLiteral("Off"));
    controls_.Text2->setText(singleText(state_.amplitude));
    ChainView& view = *controls_.Picture1;
    view.setPenWidth(Chain::kRestingPen);
    view.drawLine(Chain::kDampingMarkerX, Chain::kViewTop, Chain::kDampingMarkerX,
                  Chain::kViewBottom, toQRgb(Chain::kDampingMarker));
}

void Ondix15::closeEvent(QCloseEvent* event) {
    if (runner_->activeLoops() > 0) {
        endProcess(0);
    }
    event->accept();
}
