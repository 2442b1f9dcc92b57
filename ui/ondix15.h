#pragma once

#include "instrument/instrument.h"
#include "instrument/setup.h"
#include "sim/chain_runner.h"
#include "sim/panels_binding.h"
#include "ui/info_button.h"
#include "ui/main_controls.h"
#include "ui/time_diagram_window.h"

#include <QWidget>

#include <memory>

class ChainViewInput;

// The main window: the desktop's face of the instrument. Its controls are built from the form
// description; each widget's event becomes one call of the instrument, and each widget shows
// what the instrument's panels hold of it. The run loop runs in the load handler, and again
// inside the click that continues a halted run.
class Ondix15 : public QWidget {
    Q_OBJECT

public:
    // `yield` is what the run loop does between two passes; the program passes the paced yield.
    explicit Ondix15(ChainRunner::Yield yield, QWidget* parent = nullptr);
    ~Ondix15() override;

    // The settings the instrument starts with (see Setup), given before load; what of them is
    // ignored is shown at load beside the window, without blocking it, and written to stderr.
    void setStartSetup(Setup setup);

    // Lays the window out and shows it, and starts the instrument, which runs the chain.
    // Returns when the run is halted.
    void load();

    const MainControls& controls() const { return controls_; }
    Instrument& instrument() { return instrument_; }
    ChainState& state() { return instrument_.state(); }
    const Panels& panels() const { return instrument_.panels(); }

protected:
    // Closing the window while the run loop runs ends the program at once; while the run is
    // halted the window closes like any other, and the program ends with its last window.
    void closeEvent(QCloseEvent* event) override;
    // Every new size of the client area lays the window's children out for it.
    void resizeEvent(QResizeEvent* event) override;

private:
    void connectControls();
    void showSetupNotes();
    // A call of the instrument as the controls make it: the view's picture made ready to draw
    // on first, what it drew on the screen afterwards.
    template <typename Call> void drawing(const Call& call);

    Instrument instrument_;
    MainControls controls_;
    PanelsBinding binding_;
    ChainRunner runner_;
    std::unique_ptr<ChainViewInput> chainInput_;
    InfoButton infoButton_;
    Setup setup_;
    TimeDiagramWindow* diagramWindow_; // a child of the window's
};
