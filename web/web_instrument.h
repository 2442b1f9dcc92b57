#pragma once

#include "core/chain_state.h"
#include "instrument/chain_keys.h"
#include "instrument/chain_pass.h"
#include "instrument/chain_touch.h"
#include "instrument/control.h"
#include "instrument/info_pages.h"
#include "instrument/panels.h"
#include "instrument/run_loop.h"
#include "picture/chain_picture.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>

class Clearing;
class ClockAndSpeed;
class HandAndTape;
class HarmonicDrive;
class Markers;
class MediumOptions;
class RunControls;
class WaveCarrier;

// FNV-1a hashes, for comparing two editions of one session: of the bits of every mass's
// displacement and velocity, and of a picture's pixels.
std::uint32_t chainStateHash(const ChainState& state);
std::uint32_t chainPictureHash(const ChainPicture& picture);

// The whole instrument as the browser's page runs it: the chain state, its picture, the panels
// and every handler, wired as the desktop's main window wires them, with a run loop that the
// page paces from outside. `runPasses` runs the passes due at a display frame; "Weiter" starts
// the loop by marking it active instead of running it inside the handler, since a page may not
// block. Free of any toolkit and of the browser, so that the same session can be replayed
// natively and compared with the page.
class WebInstrument final : public RunLoop {
public:
    enum class Pointer { Down, Move, Up };

    // Read-outs use `decimalSeparator`.
    explicit WebInstrument(std::string decimalSeparator = ",");
    ~WebInstrument();

    WebInstrument(const WebInstrument&) = delete;
    WebInstrument& operator=(const WebInstrument&) = delete;

    // As the main window's load: a picture of `width` x `height` pixels with `scale` pixels to
    // a unit of pen width, the start values, the damping marker, and the run started.
    void start(int width, int height, double scale);
    // A new picture size: the view cleared to its markers and the masses drawn where they are.
    void resize(int width, int height, double scale);

    // Runs up to `count` passes, fewer if the run is found halted at the top of a pass; brings
    // the clock's read-out up to date. Returns the number run.
    int runPasses(int count);
    // True while the run loop is active (not halted).
    bool running() const { return active_; }
    // True if further passes change nothing that is shown: no drive, no clock, and a chain in
    // which no mass moves and no force acts.
    bool atRest() const;

    // A click on a button or an option, by its control.
    void click(Control control);
    // A committed value of a scroll bar.
    void scroll(Control bar, int value);
    // The mouse or pen in the chain view, at a point in the picture's pixels; `button` and
    // `shift` are the codes of InputCodes.
    void pointer(Pointer kind, int button, int shift, double x, double y);
    ChainKeys& keys() { return *keys_; }
    // A touch on the chain view, points in the picture's pixels; `dragDistance` in pixels too.
    void touch(ChainTouch::Type type, std::span<const ChainTouch::Point> points,
               std::uint64_t timestamp, int dragDistance);

    // The information page on the chain type in use, as the information button opens it.
    std::optional<InfoPage> infoPage() const;

    std::uint32_t stateHash() const { return chainStateHash(state_); }
    std::uint32_t pictureHash() const { return chainPictureHash(picture_); }

    ChainState& state() { return state_; }
    const ChainPicture& picture() const { return picture_; }
    ChainPicture& picture() { return picture_; }
    Panels& panels() { return panels_; }

    // What "Ende" does besides stopping the run for good; it must not return (the page leaves
    // the program through an exception of the browser's).
    void onEnd(std::function<void()> end) { end_ = std::move(end); }

    // RunLoop
    void RunChain() override;
    int activeLoops() const override { return active_ ? 1 : 0; }
    [[noreturn]] void endProgram() override;

private:
    void drawMassesWhereTheyAre();

    ChainState state_;
    ChainPicture picture_;
    Panels panels_;
    ChainPass pass_;
    bool active_ = false;
    std::function<void()> end_;
    std::unique_ptr<Markers> markers_;
    std::unique_ptr<HarmonicDrive> drive_;
    std::unique_ptr<HandAndTape> hand_;
    std::unique_ptr<ChainKeys> keys_;
    std::unique_ptr<ChainTouch> touch_;
    std::unique_ptr<WaveCarrier> carrier_;
    std::unique_ptr<MediumOptions> medium_;
    std::unique_ptr<Clearing> clearing_;
    std::unique_ptr<RunControls> runControls_;
    std::unique_ptr<ClockAndSpeed> clock_;
};
