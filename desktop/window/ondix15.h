#pragma once

#include "desktop/platform/frame_timer.h"
#include "desktop/view/panels_binding.h"
#include "desktop/window/info_button.h"
#include "desktop/window/main_controls.h"
#include "desktop/window/main_layout.h"
#include "desktop/window/time_diagram_panel.h"
#include "instrument/instrument.h"
#include "instrument/setup.h"

#include <QImage>
#include <QWidget>

#include <memory>

class ChainViewInput;
class InstructionPanel;
class QMenu;

// The main window: the desktop's face of the instrument. Its controls are built from the form
// description; each widget's event becomes one call of the instrument, and each widget shows
// what the instrument's panels hold of it. The chain runs in the toolkit's own event loop: at
// each display frame a timer has the instrument run the passes that are due and brings what
// they drew to the screen; every event is handled between two such frames.
class Ondix15 : public QWidget {
    Q_OBJECT

public:
    // Who runs the passes: the display frame's timer, or the caller alone (see runPasses).
    enum class Pacing { DisplayFrames, ByCaller };

    explicit Ondix15(Pacing pacing = Pacing::DisplayFrames, QWidget* parent = nullptr);
    ~Ondix15() override;

    // The settings the instrument starts with (see Setup), given before load; what of them is
    // ignored is shown at load beside the window, without blocking it, and written to stderr.
    void setStartSetup(Setup setup);

    // Lays the window out and shows it, and starts the instrument with the setup; the chain
    // runs from the next display frame on.
    void load();

    // `count` passes at once, fewer where the run stands, and what they drew on the screen, as
    // at a display frame; the number run.
    int runPasses(int count);

    // The view as "Bild" saves it (see SavedImage): the instrument's pixels with its texts
    // written in the window's font.
    QImage viewImage();
    // The files the save buttons write, at `path` without a dialog: the view as a PNG image and
    // the time diagram's samples as a CSV table in UTF-8. Where a file cannot be written, a
    // message over the window says so and nothing else changes. True if written.
    bool saveImageTo(const QString& path);
    bool saveSamplesTo(const QString& path);

    const MainControls& controls() const { return controls_; }
    // The time diagram and the instruction, which the lesson's layout places with the controls.
    MainLayout::Tools tools() const;
    Instrument& instrument() { return instrument_; }
    const Instrument& instrument() const { return instrument_; }
    const ChainState& state() const { return instrument_.state(); }
    const Panels& panels() const { return instrument_.panels(); }

protected:
    // Every new size of the client area lays the window's children out for it.
    void resizeEvent(QResizeEvent* event) override;
    // A detached diagram goes with the window where it is moved, so that it stays clear of
    // the chain view.
    void moveEvent(QMoveEvent* event) override;

private:
    // The chain view, the open tools and the panels placed anew for the tools open.
    void fitTools();

    void connectControls();
    void showSetupNotes();
    // A display frame: the passes due run and shown. None while a modal window is open: the
    // chain stands still as long, and the schedule starts afresh afterwards.
    void frame();
    // The frames go on while the run is active.
    void wakeRun();
    // A call of the instrument as the controls make it: the view's picture made ready to draw
    // on first, what it drew on the screen afterwards.
    template <typename Call> void drawing(const Call& call);
    // What a click's reply asks of the window besides the instrument's own doing.
    void answer(Instrument::Reply reply);
    // The list of experiments under their button; a choice starts it and shows its instruction.
    void showExperiments();
    void chooseExperiment(int number);
    // The instrument's instruction, where one is shown, in its panel.
    void showInstruction();

    Instrument instrument_;
    MainControls controls_;
    PanelsBinding binding_;
    Pacing pacing_;
    FrameTimer frameTimer_;
    std::unique_ptr<ChainViewInput> chainInput_;
    InfoButton infoButton_;
    Setup setup_;
    std::vector<std::string> setupNotes_;
    TimeDiagramPanel* diagramPanel_;     // a child of the window's
    InstructionPanel* instructionPanel_; // a child of the window's
    QMenu* experimentsMenu_;             // a child of the window's
};
