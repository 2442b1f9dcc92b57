#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>

class HandAndTape;

// Fingers on a touch screen over the chain view, through the mouse handlers with the button
// codes. The first finger down decides, once it has moved further than the platform's drag
// distance: moved at once, it is the hand (the left button); held still for the hold time
// (InputCodes::kHoldMs) first, it lays the tape (the right button). Lifted without having moved,
// it is a click of that button. Further fingers are ignored until all are lifted, so at most one
// of hand and tape is active; lifting the first finger, or a cancelled touch, ends it. The
// decision is taken from the events' own time stamps, so no timer runs. Two taps within
// InputCodes::kDoubleTapMs near one another are a double tap (see onDoubleTap).
class ChainTouch {
public:
    enum class Type { Begin, Update, End, Cancel };

    // One finger of a touch event, at a position in pixels of the view.
    struct Point {
        enum class State { Pressed, Moved, Stationary, Released };
        int id;
        State state;
        double x;
        double y;
    };

    // The view's size in pixels, which maps the fingers to user units, and the distance in
    // pixels a finger must move before it counts as moved.
    struct Surface {
        int width;
        int height;
        int dragDistance;
    };

    explicit ChainTouch(HandAndTape& hand);

    // A touch event on the view, with its time stamp in milliseconds.
    void touch(Type type, std::span<const Point> points, std::uint64_t timestamp,
               const Surface& surface);
    // What a double tap does, at its point in user units.
    void onDoubleTap(std::function<void(float x, float y)> act) { doubleTap_ = std::move(act); }

private:
    enum class Phase { None, Undecided, Held, Finished };
    struct Position {
        double x = 0;
        double y = 0;
    };

    void decide(std::uint64_t timestamp);
    void down(Position at);
    void move(Position at);
    void up(Position at);
    void tapped(std::uint64_t timestamp);

    HandAndTape& hand_;
    Phase phase_ = Phase::None;
    int finger_ = -1;
    int button_ = 0;
    Position start_;
    Position last_;
    std::uint64_t startTime_ = 0;
    Surface surface_{0, 0, 0};
    // The last single tap, while a second may make it a double tap.
    std::optional<std::uint64_t> tapTime_;
    Position tapAt_;
    std::function<void(float x, float y)> doubleTap_;
};
