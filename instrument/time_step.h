#pragma once

class ChainPass;
class ChainPicture;
class Panels;
struct ChainState;

// "Schritt": while the run is halted, the passes of one time unit at the current speed, drawn,
// and the run halted still. Disabled while the run goes (see RunControls, which halts it).
//
// A time unit is 100 hundredths, a pass at the speed bar's value v takes v hundredths, so a
// step runs 100 / v passes, which is no whole number for most v. The hundredths a step cannot
// fill with a whole pass are carried to the next: n steps at one speed from a carry of zero run
// exactly floor(100 n / v) passes, the passes the run takes for n time units (at v = 3: 33, 33,
// 34, ...). The carry is given up whenever the run is halted or continued.
class TimeStep {
public:
    // Writes its caption.
    TimeStep(ChainState& state, ChainPass& pass, ChainPicture& picture, Panels& panels);

    // One time unit of passes if the run is halted; false, doing nothing, while it runs.
    bool step();
    void forgetCarry() { carry_ = 0; }

    // The passes of the next step at a pass of `hundredths` (at least 1), and the carry after.
    struct Passes {
        int count;
        int carry;
    };
    static constexpr Passes passesOf(int carry, int hundredths) {
        const int due = carry + 100;
        return {due / hundredths, due % hundredths};
    }

private:
    ChainState& state_;
    ChainPass& pass_;
    ChainPicture& picture_;
    int carry_ = 0; // hundredths of a time unit
};
