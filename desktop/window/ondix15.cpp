#include "desktop/window/ondix15.h"

#include "core/chain_constants.h"
#include "desktop/platform/focus_mark.h"
#include "desktop/platform/process_end.h"
#include "desktop/view/chain_view.h"
#include "desktop/view/chain_view_input.h"
#include "desktop/window/main_layout.h"
#include "desktop/window/screen_placement.h"
#include "instrument/form.h"
#include "instrument/start_sequence.h"
#include "language/language.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QScrollBar>
#include <QShortcut>

#include <chrono>
#include <cstdio>

Ondix15::Ondix15(Pacing pacing, QWidget* parent)
    : QWidget(parent), instrument_(std::string(Language::decimalSeparator(","))),
      controls_(MainControls::createIn(*this, instrument_)),
      binding_(instrument_.panels(), *controls_.view()), pacing_(pacing),
      frameTimer_(FrameTimer::primaryRefreshRate(), Chain::kPassesPerSecond, [this] { frame(); }),
      diagramWindow_(new TimeDiagramWindow(instrument_, *this)) {
    // "Ende" ends the program at once, whatever windows are open.
    instrument_.onEnd([] { endProcess(0); });
    setObjectName(QLatin1String(controlName(Role::kWindow).data()));
    // Every control shows the panels' state, from the handlers' start captions on.
    for (int i = 0; i < kControlCount; ++i) {
        const auto control = static_cast<Control>(i);
        binding_.bind(control, *controls_[control]);
    }
    binding_.showAll();
    connectControls();
}

Ondix15::~Ondix15() = default;

void Ondix15::setStartSetup(Setup setup) {
    setup_ = std::move(setup);
    setupNotes_ = StartSequence::prepare(setup_, instrument_);
}

void Ondix15::showSetupNotes() {
    if (setupNotes_.empty()) {
        return;
    }
    std::string text;
    for (const std::string& line : setupNotes_) {
        text += (text.empty() ? "" : "\n") + line;
    }
    std::fprintf(stderr, "%s\n", text.c_str());
    // Beside the window, not modal: the run goes on while it is open.
    auto* box = new QMessageBox(QMessageBox::Information, QGuiApplication::applicationDisplayName(),
                                QString::fromStdString(text), QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("setupNotes"));
    box->setWindowModality(Qt::NonModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->show();
}

void Ondix15::load() {
    const auto screen = ScreenPlacement::ScreenMetrics::primary();
    MainLayout::layOut(*this, controls_, screen);
    show();
    // The window system may have placed the new window elsewhere, and a window manager frames
    // it only later.
    ScreenPlacement::placeShownWindow(*this, screen);
    ScreenPlacement::keepPlacedWithinFrame(*this, screen);
    showSetupNotes();
    drawing([this] { StartSequence::start(instrument_, setup_); });
    wakeRun();
}

int Ondix15::runPasses(int count) {
    ChainView& view = *controls_.view();
    view.prepare();
    const int run = instrument_.runPasses(count);
    view.flush();
    return run;
}

void Ondix15::frame() {
    if (!instrument_.running()) {
        frameTimer_.stop();
        return;
    }
    if (QApplication::activeModalWidget() != nullptr) {
        return;
    }
    const double nowMs = std::chrono::duration<double, std::milli>(
                             std::chrono::steady_clock::now().time_since_epoch())
                             .count();
    ChainView& view = *controls_.view();
    view.prepare();
    instrument_.runDue(nowMs);
    view.flush();
}

void Ondix15::wakeRun() {
    if (pacing_ == Pacing::DisplayFrames && instrument_.running()) {
        frameTimer_.start();
    }
}

template <typename Call> void Ondix15::drawing(const Call& call) {
    ChainView& view = *controls_.view();
    view.beginDrawing();
    call();
    view.endDrawing();
}

void Ondix15::connectControls() {
    for (const Form::Entry& e : Form::entries()) {
        const Control control = e.control;
        switch (controlKind(control)) {
        case ControlKind::Button:
        case ControlKind::Option:
            // Options report clicks only: the handlers' own setting of the check raises none.
            connect(controls_.button(control), &QAbstractButton::clicked, this, [this, control] {
                drawing([&] {
                    if (instrument_.click(control) == Instrument::Reply::ShowInformation) {
                        infoButton_.show(instrument_.infoPage());
                    }
                    diagramWindow_->showIf(instrument_.panels()[Role::kDiagramButton].checked);
                });
                wakeRun();
            });
            break;
        case ControlKind::ScrollBar:
            // The bars report a value only once it is committed (tracking is off).
            connect(controls_.scrollBar(control), &QScrollBar::valueChanged, this,
                    [this, control](int value) { instrument_.scroll(control, value); });
            break;
        default:
            break;
        }
    }

    ChainView& view = *controls_.view();
    const auto pointer = [this](Instrument::Pointer kind) {
        return [this, kind](int button, int shift, float x, float y) {
            drawing([&] { instrument_.pointer(kind, button, shift, x, y); });
            // The hand's move on the screen as soon as its pass is due, not a frame later.
            if (pacing_ == Pacing::DisplayFrames && frameTimer_.isActive()) {
                frame();
            }
        };
    };
    connect(&view, &ChainView::mouseDown, this, pointer(Instrument::Pointer::Press));
    connect(&view, &ChainView::mouseMove, this, pointer(Instrument::Pointer::Move));
    connect(&view, &ChainView::mouseUp, this, pointer(Instrument::Pointer::Release));
    connect(&view, &ChainView::mouseDoubleClick, this,
            [this](float x, float y) { drawing([&] { instrument_.doubleClick(x, y); }); });
    connect(diagramWindow_, &TimeDiagramWindow::closedByFrame, this,
            [this] { instrument_.click(Role::kDiagramButton); });
    // F6 takes the keyboard to the open diagram's window and back; a tool window's keys reach
    // the shortcuts of the window it belongs to.
    auto* toDiagram = new QShortcut(QKeySequence(Qt::Key_F6), this);
    connect(toDiagram, &QShortcut::activated, diagramWindow_, &TimeDiagramWindow::moveKeyboard);
    controls_.button(Role::kDiagramButton)->setToolTip(TimeDiagramWindow::keyHint());

    // The keys and fingers on the view; the focus band is made after the keys' filter, so that
    // it sees the keys they take. The window owns it.
    chainInput_ =
        std::make_unique<ChainViewInput>(view, instrument_, *controls_.textBox(Role::kTapeReadout));
    auto* focusMark = new FocusMark(view);
    focusMark->setObjectName(QStringLiteral("Picture1Focus"));
}

void Ondix15::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    MainLayout::fitTo(*this, controls_);
}
