#pragma once

#include "core/chain_state.h"
#include "instrument/panels.h"
#include "sim/chain_runner.h"
#include "sim/panels_binding.h"
#include "ui/main_controls.h"

#include <QWidget>

#include <memory>

class ChainKeys;
class ChainTouch;
class ChainViewInput;
class Clearing;
class ClockAndSpeed;
class HandAndTape;
class HarmonicDrive;
class InfoButton;
class Markers;
class MediumOptions;
class RunControls;
class WaveCarrier;

// The main window: the chain view across its upper two thirds, the panels of controls beneath.
// It shares the chain state with the parts that act on it, which it owns, and its load handler
// starts the run.
class Ondix15 : public QWidget {
    Q_OBJECT

public:
    // `state` lives as long as the window. `yield` is what the run loop does between two passes;
    // the program passes the paced yield.
    Ondix15(ChainState& state, ChainRunner::Yield yield, QWidget* parent = nullptr);
    ~Ondix15() override;

    // Lays the window out and shows it, gives the chain state its start values, draws the marker
    // of the damped loose end and runs the chain. Returns when the run is halted.
    void Form_Load();

    const MainControls& controls() const { return controls_; }
    Panels& panels() { return panels_; }

protected:
    // Closing the window while the run loop runs ends the program at once; while the run is
    // halted the window closes like any other, and the program ends with its last window.
    void closeEvent(QCloseEvent* event) override;

private:
    void initialiseChain();
    void connectExcitation();
    void connectKeysAndTouch();
    void connectOperatorControls();
    void connectInformation();
    // A handler as the controls call it: the view's picture made ready to draw on first, what it
    // drew on the screen afterwards.
    template <typename Handler> void drawing(const Handler& handler);
    template <typename Widget, typename Signal, typename Handler>
    void connectDrawing(Widget* widget, Signal signal, const Handler& handler);

    ChainState& state_;
    MainControls controls_;
    Panels panels_;
    PanelsBinding binding_;
    std::unique_ptr<ChainRunner> runner_;
    std::unique_ptr<Markers> markers_;
    std::unique_ptr<HarmonicDrive> drive_;
    std::unique_ptr<HandAndTape> handAndTape_;
    std::unique_ptr<ChainKeys> chainKeys_;
    std::unique_ptr<ChainTouch> chainTouch_;
    std::unique_ptr<ChainViewInput> chainInput_;
    std::unique_ptr<WaveCarrier> waveCarrier_;
    std::unique_ptr<MediumOptions> mediumOptions_;
    std::unique_ptr<Clearing> clearing_;
    std::unique_ptr<RunControls> runControls_;
    std::unique_ptr<ClockAndSpeed> clockAndSpeed_;
    std::unique_ptr<InfoButton> infoButton_;
};
