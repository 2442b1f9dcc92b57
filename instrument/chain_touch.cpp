#include "instrument/chain_touch.h"

#include "instrument/hand_and_tape.h"
#include "instrument/input_codes.h"
#include "picture/user_scale.h"

#include <algorithm>
#include <cmath>

ChainTouch::ChainTouch(HandAndTape& hand) : hand_(hand) {}

void ChainTouch::touch(Type type, std::span<const Point> points, std::uint64_t timestamp,
                       const Surface& surface) {
    surface_ = surface;
    if (type == Type::Cancel) {
        if (phase_ == Phase::Held) {
            up(last_);
        }
        phase_ = Phase::None;
        return;
    }
    for (const Point& point : points) {
        const Position at{point.x, point.y};
        if (phase_ == Phase::None && point.state == Point::State::Pressed) {
            phase_ = Phase::Undecided;
            finger_ = point.id;
            start_ = last_ = at;
            startTime_ = timestamp;
            continue;
        }
        if (point.id != finger_) {
            continue;
        }
        const bool lifted = point.state == Point::State::Released;
        const double moved = std::abs(at.x - start_.x) + std::abs(at.y - start_.y);
        // A tap: lifted unmoved before the hold time, so a click of the left button.
        const bool tap = phase_ == Phase::Undecided && lifted && moved <= surface.dragDistance &&
                         timestamp - startTime_ < InputCodes::kHoldMs;
        if (phase_ == Phase::Undecided && (lifted || moved > surface.dragDistance)) {
            decide(timestamp);
        }
        if (tap) {
            up(at);
            phase_ = Phase::Finished;
            tapped(timestamp);
            continue;
        }
        if (phase_ == Phase::Held) {
            if (lifted) {
                up(at);
                phase_ = Phase::Finished;
            } else if (at.x != last_.x || at.y != last_.y) {
                move(at);
            }
        }
    }
    if (type == Type::End) {
        // All fingers are off the screen, whatever the points said.
        if (phase_ == Phase::Held) {
            up(last_);
        }
        phase_ = Phase::None;
        finger_ = -1;
    }
}

void ChainTouch::tapped(std::uint64_t timestamp) {
    // Near: within a few drag distances, as a finger lands twice on the same dot.
    const double near = 4.0 * std::max(surface_.dragDistance, 4);
    if (tapTime_ && timestamp - *tapTime_ <= InputCodes::kDoubleTapMs &&
        std::abs(start_.x - tapAt_.x) + std::abs(start_.y - tapAt_.y) <= near) {
        tapTime_.reset();
        if (doubleTap_) {
            doubleTap_(UserScale::toUserX(start_.x, surface_.width),
                       UserScale::toUserY(start_.y, surface_.height));
        }
        return;
    }
    tapTime_ = timestamp;
    tapAt_ = start_;
}

void ChainTouch::decide(std::uint64_t timestamp) {
    button_ = timestamp - startTime_ >= InputCodes::kHoldMs ? InputCodes::kRightButton
                                                            : InputCodes::kLeftButton;
    phase_ = Phase::Held;
    down(start_);
}

void ChainTouch::down(Position at) {
    hand_.press(button_, 0, UserScale::toUserX(at.x, surface_.width),
                UserScale::toUserY(at.y, surface_.height));
}

void ChainTouch::move(Position at) {
    last_ = at;
    hand_.move(button_, 0, UserScale::toUserX(at.x, surface_.width),
               UserScale::toUserY(at.y, surface_.height));
}

void ChainTouch::up(Position at) {
    hand_.release(button_, 0, UserScale::toUserX(at.x, surface_.width),
                  UserScale::toUserY(at.y, surface_.height));
}
