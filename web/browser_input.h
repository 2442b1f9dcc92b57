#pragma once

#include "instrument/chain_keys.h"

#include <string_view>
#include <vector>

class Instrument;

// The browser's input on the chain view, from the events' own fields as the page receives
// them, translated into the instrument's calls: KeyboardEvent.key names into the keys of the
// view, pointer buttons and modifier keys into the mouse handlers' codes (InputCodes), fingers
// into touch events with the set of fingers down, and points in pixels of the chain's picture
// into its user units. The page itself knows none of these codes.
class BrowserInput {
public:
    // One PointerEvent: its type ("pointerdown", "pointermove", "pointerup", "pointercancel"),
    // pointerType, pointerId, button and buttons, modifier keys, the point in pixels of the
    // picture, and timeStamp in milliseconds.
    struct PointerEvent {
        std::string_view type;
        std::string_view pointerType;
        int id;
        int button;
        int buttons;
        bool shift;
        bool ctrl;
        bool alt;
        double x;
        double y;
        double timeStamp;
    };

    explicit BrowserInput(Instrument& instrument);

    // False for the keys the view leaves to the browser altogether: Tab, which moves the focus,
    // and a modifier key on its own, which only comes with the next key.
    static bool reachesView(std::string_view key);
    static ChainKeys::Key keyOf(std::string_view key);

    // A keydown on the view; true if the view took the key (the browser's own action is then
    // prevented).
    bool keyDown(std::string_view key, bool shift, bool ctrl, bool alt);
    void keyUp(std::string_view key, bool shift, bool ctrl, bool alt);
    void focusLost();

    // A pointer event on the view, on a picture of `width` x `height` pixels; a finger must move
    // `dragDistance` pixels of the picture before it counts as moved.
    void pointer(const PointerEvent& event, int width, int height, int dragDistance);

private:
    void mouse(const PointerEvent& event, int width, int height);
    void finger(const PointerEvent& event, int width, int height, int dragDistance);

    Instrument& instrument_;
    // The fingers down on the view, by pointerId: the first down begins a touch, the last up
    // ends it.
    std::vector<int> fingers_;
};
