#include "desktop/window/ondix15.h"

#include "core/chain_constants.h"
#include "desktop/platform/focus_mark.h"
#include "desktop/platform/process_end.h"
#include "desktop/view/chain_view.h"
#include "desktop/view/chain_view_input.h"
#include "desktop/window/file_saving.h"
#include "desktop/window/instruction_panel.h"
#include "desktop/window/label_painting.h"
#include "desktop/window/main_layout.h"
#include "desktop/window/screen_placement.h"
#include "instrument/form.h"
#include "instrument/saved_image.h"
#include "instrument/start_sequence.h"
#include "language/language.h"

#include <QAbstractButton>
#include <QApplication>
#include <QIODevice>
#include <QMenu>
#include <QMessageBox>
#include <QMoveEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>

#include <chrono>
#include <cstdio>

Ondix15::Ondix15(Pacing pacing, QWidget* parent)
    : QWidget(parent), instrument_(std::string(Language::decimalSeparator(","))),
      controls_(MainControls::createIn(*this, instrument_)),
      binding_(instrument_.panels(), *controls_.view()), pacing_(pacing),
      frameTimer_(FrameTimer::primaryRefreshRate(), Chain::kPassesPerSecond, [this] { frame(); }),
      diagramPanel_(new TimeDiagramPanel(instrument_, *this, *controls_.view())),
      instructionPanel_(new InstructionPanel(*this, *controls_.view())),
      experimentsMenu_(new QMenu(this)) {
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

Ondix15::~Ondix15() {
    // The base class's destructor hides the tools, whose hide events would ask a window that is
    // no longer one to lay them out.
    disconnect(diagramPanel_, nullptr, this, nullptr);
    disconnect(instructionPanel_, nullptr, this, nullptr);
}

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
    MainLayout::layOut(*this, controls_, tools(), screen);
    show();
    // The window system may have placed the new window elsewhere, and a window manager frames
    // it only later.
    ScreenPlacement::placeShownWindow(*this, screen);
    // The frame known, the least size is the one the client area it leaves allows.
    ScreenPlacement::keepPlacedWithinFrame(*this, screen, [this, screen](QSize client) {
        MainLayout::giveLeastSize(*this, tools(), screen, client);
    });
    showSetupNotes();
    drawing([this] { StartSequence::start(instrument_, setup_); });
    wakeRun();
    // A setup that names an experiment shows its instruction, as choosing it does.
    showInstruction();
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
                Instrument::Reply reply = Instrument::Reply::None;
                drawing([&] {
                    reply = instrument_.click(control);
                    diagramPanel_->showIf(instrument_.panels()[Role::kDiagramButton].checked);
                });
                wakeRun();
                answer(reply);
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
    connect(diagramPanel_, &TimeDiagramPanel::closedByFrame, this,
            [this] { instrument_.click(Role::kDiagramButton); });
    // A tool opened, closed, detached or taken back: the chain view and the panels make room.
    connect(diagramPanel_, &TimeDiagramPanel::placeChanged, this, &Ondix15::fitTools);
    connect(instructionPanel_, &InstructionPanel::placeChanged, this, &Ondix15::fitTools);
    // F6 takes the keyboard to the open diagram and back; a detached diagram's keys reach the
    // shortcuts of the window it belongs to.
    auto* toDiagram = new QShortcut(QKeySequence(Qt::Key_F6), this);
    connect(toDiagram, &QShortcut::activated, diagramPanel_, &TimeDiagramPanel::moveKeyboard);
    controls_.button(Role::kDiagramButton)->setToolTip(TimeDiagramPanel::keyHint());

    experimentsMenu_->setObjectName(QStringLiteral("Experiments"));
    const std::vector<std::string> titles = Instrument::experimentTitles();
    for (std::size_t i = 0; i < titles.size(); ++i) {
        // Numbered, the number a key that chooses it.
        const int number = int(i) + 1;
        const QString title = QString::fromStdString(titles[i]).replace('&', QStringLiteral("&&"));
        const QString caption = number < 10 ? QStringLiteral("&%1  %2").arg(number).arg(title)
                                            : QStringLiteral("%1  %2").arg(number).arg(title);
        experimentsMenu_->addAction(caption, this, [this, number] { chooseExperiment(number); });
    }
    connect(instructionPanel_, &InstructionPanel::closed, this,
            [this] { instrument_.closeInstruction(); });

    // The keys and fingers on the view; the focus band is made after the keys' filter, so that
    // it sees the keys they take. The window owns it.
    chainInput_ =
        std::make_unique<ChainViewInput>(view, instrument_, *controls_.textBox(Role::kTapeReadout));
    auto* focusMark = new FocusMark(view);
    focusMark->setObjectName(QStringLiteral("Picture1Focus"));
}

void Ondix15::answer(Instrument::Reply reply) {
    switch (reply) {
    case Instrument::Reply::ShowInformation:
        infoButton_.show(instrument_.infoPage());
        break;
    case Instrument::Reply::ShowExperiments:
        showExperiments();
        break;
    case Instrument::Reply::SaveImage:
        if (const QString path = FileSaving::choosePath(*this, SavedFiles::Kind::Image);
            !path.isEmpty()) {
            saveImageTo(path);
        }
        break;
    case Instrument::Reply::SaveSamples:
        if (const QString path = FileSaving::choosePath(*this, SavedFiles::Kind::Samples);
            !path.isEmpty()) {
            saveSamplesTo(path);
        }
        break;
    case Instrument::Reply::None:
        break;
    }
}

void Ondix15::showExperiments() {
    // Under the button, as a menu drops from its bar, or above it where the screen ends below;
    // the keyboard is in the list.
    const QWidget& button = *controls_[Role::kExperimentsButton];
    const QRect at(button.mapToGlobal(QPoint(0, 0)), button.size());
    const int height = experimentsMenu_->sizeHint().height();
    QPoint where(at.left(), at.bottom() + 1);
    if (const QScreen* screen = button.screen();
        screen != nullptr && where.y() + height > screen->availableGeometry().bottom() + 1) {
        where.setY(at.top() - height);
    }
    experimentsMenu_->popup(where);
    if (!experimentsMenu_->actions().isEmpty()) {
        experimentsMenu_->setActiveAction(experimentsMenu_->actions().first());
    }
}

void Ondix15::chooseExperiment(int number) {
    drawing([&] { instrument_.chooseExperiment(number); });
    diagramPanel_->showIf(instrument_.panels()[Role::kDiagramButton].checked);
    wakeRun();
    showInstruction();
}

void Ondix15::showInstruction() {
    if (const auto instruction = instrument_.instruction()) {
        instructionPanel_->showInstruction(*instruction);
    }
}

void Ondix15::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (diagramPanel_->detached() && diagramPanel_->isVisible()) {
        diagramPanel_->move(diagramPanel_->pos() + event->pos() - event->oldPos());
    }
}

MainLayout::Tools Ondix15::tools() const {
    return {diagramPanel_, instructionPanel_};
}

void Ondix15::fitTools() {
    MainLayout::fitTo(*this, controls_, tools());
}

QImage Ondix15::viewImage() {
    const SavedImage saved(instrument_);
    const PlotRaster& raster = saved.raster();
    QImage image(reinterpret_cast<const uchar*>(raster.pixels()), raster.width(), raster.height(),
                 raster.width() * qsizetype(sizeof(PlotRaster::Pixel)), QImage::Format_RGB32);
    image = image.copy();
    QPainter painter(&image);
    for (const SavedImage::Text& text : saved.texts()) {
        LabelPainting::draw(painter, text.label, text.pixels);
    }
    return image;
}

bool Ondix15::saveImageTo(const QString& path) {
    const QImage image = viewImage();
    return FileSaving::writeTo(*this, path,
                               [&](QIODevice& file) { return image.save(&file, "PNG"); });
}

bool Ondix15::saveSamplesTo(const QString& path) {
    const std::string csv = instrument_.diagram().csv();
    return FileSaving::writeTo(*this, path, [&](QIODevice& file) {
        return file.write(csv.data(), qint64(csv.size())) == qint64(csv.size());
    });
}

void Ondix15::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    MainLayout::fitTo(*this, controls_, tools());
}
