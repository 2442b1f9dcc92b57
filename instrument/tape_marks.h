#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class ChainPicture;

// The measuring tapes' tick marks in the chain view: drawn as a tape is laid, kept so that a new
// size of the view draws them again, forgotten with a clearing.
class TapeMarks {
public:
    explicit TapeMarks(ChainPicture& picture);

    // A tape's tick marks up from the line y = base at start, start + step, ... up to end, in
    // three rows; thin pen, then back to the resting width.
    void show(float start, float base, std::int16_t end);
    // Every kept tape drawn again, after the view has been cleared for a new size.
    void redraw();
    // A clearing: the marks are gone with the view.
    void forget() { tapes_.clear(); }

private:
    struct Tape {
        float start;
        float base;
        std::int16_t end;
    };
    // The latest tapes whose marks a new size draws again; older ones are let go.
    static constexpr std::size_t kKeptTapes = 16;

    void draw(const Tape& tape);

    ChainPicture& picture_;
    std::vector<Tape> tapes_;
};
