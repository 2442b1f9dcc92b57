#pragma once

#include "core/chain_constants.h"

#include <cstdint>

// The facts of input that every front end and the rules of the keys and fingers share.
namespace InputCodes {

// The mouse handlers' button code: one bit a button; while moving, the sum of those held.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

constexpr int buttonCode(bool left, bool right, bool middle) {
    return (left ? kLeftButton : 0) + (right ? kRightButton : 0) + (middle ? kMiddleButton : 0);
}

// The shift code: one bit a modifier key.
inline constexpr int kShift = 1;
inline constexpr int kCtrl = 2;
inline constexpr int kAlt = 4;

constexpr int shiftCode(bool shift, bool ctrl, bool alt) {
    return (shift ? kShift : 0) + (ctrl ? kCtrl : 0) + (alt ? kAlt : 0);
}

// The input a screen is worked with, as its front end reports it: a mouse (with the keys beside
// it) or a finger on a touch screen. Texts that say how to do something name its way.
enum class Device { Mouse, Touch };

// A finger held still this long before it moves lays the tape instead of moving the end.
inline constexpr std::uint64_t kHoldMs = 500;
// A second tap within this time of the first, near it, makes a double tap.
inline constexpr std::uint64_t kDoubleTapMs = 400;

// The x where mass i is drawn: mass 0, the left end, at 1.
constexpr float massX(int i) {
    return static_cast<float>(i + 1);
}

} // namespace InputCodes
