#pragma once

#include "instrument/control.h"
#include "instrument/form.h"
#include "instrument/input_codes.h"
#include "instrument/instrument.h"
#include "instrument/setup.h"
#include "instrument/start_sequence.h"
#include "picture/user_scale.h"
#include "support/chain_hashes.h"
#include "support/session_step.h"

#include <cstdint>
#include <cstdio>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The session both editions replay (tests/web/session.steps), read without a toolkit and played
// onto the instrument as calls of its front door, each step as the desktop's widgets turn the
// same input into calls: points are pixels of a picture of 1276 x 653 at scale 1, a drag starts
// with a move of no button to its first point (the pointer is brought there), a key is pressed
// and released, a finger touches, moves after its hold time and lifts, a double click is two
// presses and releases with the double click between the second press and its release. `endState`
// writes what desktop_session_replay prints at a "check" step and at the end of the table.
class SessionSteps {
public:
    using Point = SessionStep::Point;

    static constexpr int kWidth = 1276;
    static constexpr int kHeight = 653;
    // The distance a finger moves before it counts as moved, on the desktop (Qt's default).
    static constexpr int kDragDistance = 10;

    // The table's steps, without comments and blank lines.
    static std::vector<std::string> of(std::string_view table) {
        std::vector<std::string> steps;
        std::istringstream lines{std::string(table)};
        for (std::string line; std::getline(lines, line);) {
            if (!line.empty() && line[0] != '#') {
                steps.push_back(line);
            }
        }
        return steps;
    }

    static Control controlNamed(std::string_view name) {
        for (int i = 0; i < kControlCount; ++i) {
            if (controlName(static_cast<Control>(i)) == name) {
                return static_cast<Control>(i);
            }
        }
        throw std::runtime_error("no control " + std::string(name));
    }

    // The instrument at the table's start: the picture at the session's size, the run started,
    // with `setup`'s settings where one is given.
    explicit SessionSteps(Instrument& instrument, Setup* setup = nullptr)
        : instrument_(instrument) {
        instrument.resize(kWidth, kHeight, 1);
        if (setup != nullptr) {
            StartSequence::start(instrument, *setup);
        } else {
            instrument.start();
        }
    }

    // The setups both editions start with (tests/web/setups.table, read with `of`), one a line,
    // and the passes each start is followed by.
    static constexpr int kPassesAfterSetup = 200;
    // A setup's block of setups.expected: its line, then the end state.
    static std::string setupBlock(const std::string& setup, const std::string& endState) {
        return "setup " + setup + "\n" + endState;
    }

    // One step of the table. A halted run makes no passes, whatever the table asks: the
    // instrument's runPasses finds it halted, as the desktop's loop does.
    void play(const std::string& line) {
        const SessionStep step(line);
        const std::string& verb = step.verb;
        const int sign = step.option == "up" ? 1 : -1; // of a scroll bar's change
        if (verb == "passes") {
            instrument_.runPasses(step.number);
        } else if (verb == "click") {
            instrument_.click(controlNamed(step.name));
        } else if (verb == "arrow" || verb == "track") {
            const Control bar = controlNamed(step.name);
            const Panels::ScrollRange& range = instrument_.panels()[bar].range;
            const int change = verb == "arrow" ? range.smallChange : range.largeChange;
            for (int i = 0; i < step.number; ++i) {
                instrument_.scroll(bar, instrument_.panels().value(bar) + sign * change);
            }
        } else if (verb == "drag") {
            drag(step.option == "left" ? InputCodes::kLeftButton : InputCodes::kRightButton,
                 step.points);
        } else if (verb == "key") {
            const ChainKeys::Key key = keyNamed(step.name);
            const int code = step.option == "shift" ? InputCodes::kShift : 0;
            instrument_.keyPress(key, code);
            instrument_.keyRelease(key, code, false);
        } else if (verb == "touch") {
            touch(std::uint64_t(step.number), step.points);
        } else if (verb == "doubleclick") {
            doubleClick(step.points.front());
        } else if (verb == "span") {
            // The time diagram's span bar, by its arrows or keys.
            for (int i = 0; i < step.number; ++i) {
                instrument_.diagramSpan(instrument_.diagram().span() +
                                        sign * TimeDiagram::kSpanStep);
            }
        } else if (verb == "check") {
            // The end state so far, one block of session.expected before the table goes on.
            checked_ += endState(instrument_);
        } else if (verb != "focus") {
            // The focus is the desktop's; the instrument takes the keys it is given.
            throw std::runtime_error("no step " + verb);
        }
    }

    // The end states at the table's checks, then the one at its end.
    std::string shown() const { return checked_ + endState(instrument_); }

    // The picture's size and the hashes of the chain state and the picture, the end state's
    // first lines.
    static std::string head(const ChainPicture& picture, const ChainState& state) {
        char text[64];
        std::snprintf(text, sizeof text, "size %d %d\nstate %08x\npicture %08x\n", picture.width(),
                      picture.height(), unsigned(chainStateHash(state)),
                      unsigned(chainPictureHash(picture)));
        return text;
    }

    // The time diagram as its window or panel shows it: the span (as its bar holds it), the
    // chosen masses ("-" for a free slot), the number of samples and their hash.
    static std::string diagramLine(int span, const TimeDiagram& diagram) {
        std::string text = "diagram " + std::to_string(span);
        for (int slot = 0; slot < TimeDiagram::kMaxChosen; ++slot) {
            const auto mass = diagram.chosen(slot);
            text += ' ' + (mass ? std::to_string(*mass) : std::string("-"));
        }
        char hash[32];
        std::snprintf(hash, sizeof hash, " %zu %08x\n", diagram.sampleCount(),
                      unsigned(diagramHash(diagram)));
        return text + hash;
    }

    // The head, then every control: visible, checked (an option) or pressed (a switch), value,
    // caption (of a scroll bar: its value as spoken, its read-out's text).
    static std::string endState(const Instrument& instrument) {
        std::string text = head(instrument.picture(), instrument.state()) +
                           diagramLine(instrument.diagram().span(), instrument.diagram());
        for (int i = 0; i < kControlCount; ++i) {
            const auto control = static_cast<Control>(i);
            const Panels::State& s = instrument.panels()[control];
            const Control readOut = Form::entry(control).shownBy;
            const bool spoken =
                controlKind(control) == ControlKind::ScrollBar && readOut != Role::kWindow;
            text += controlLine(controlName(control), s.visible, s.checked, s.value,
                                spoken ? instrument.panels().caption(readOut) : s.caption);
        }
        return text;
    }

    // One control's line of the end state.
    static std::string controlLine(std::string_view name, bool visible, bool checked, int value,
                                   std::string_view caption) {
        return "control " + std::string(name) + (visible ? " 1" : " 0") +
               (checked ? " 1 " : " 0 ") + std::to_string(value) + ' ' + std::string(caption) +
               '\n';
    }

private:
    std::string checked_;

    // Named as in a key sequence.
    static ChainKeys::Key keyNamed(const std::string& name) {
        using Key = ChainKeys::Key;
        const std::pair<const char*, Key> names[] = {
            {"Up", Key::Up},       {"Down", Key::Down},    {"Left", Key::Left},
            {"Right", Key::Right}, {"Return", Key::Enter}, {"Enter", Key::Enter},
            {"Space", Key::Space}, {"M", Key::M},          {"Esc", Key::Escape},
            {"S", Key::S},         {"D", Key::D},
        };
        for (const auto& [text, key] : names) {
            if (name == text) {
                return key;
            }
        }
        throw std::runtime_error("no key " + name);
    }

    void pointer(Instrument::Pointer kind, int button, Point at) {
        instrument_.pointer(kind, button, 0, UserScale::toUserX(at.first, kWidth),
                            UserScale::toUserY(at.second, kHeight));
    }

    void drag(int button, const std::vector<Point>& path) {
        using enum Instrument::Pointer;
        pointer(Move, 0, path.front());
        pointer(Press, button, path.front());
        for (std::size_t i = 1; i < path.size(); ++i) {
            pointer(Move, button, path[i]);
        }
        pointer(Release, button, path.back());
    }

    void doubleClick(Point at) {
        using enum Instrument::Pointer;
        pointer(Move, 0, at);
        pointer(Press, InputCodes::kLeftButton, at);
        pointer(Release, InputCodes::kLeftButton, at);
        pointer(Press, InputCodes::kLeftButton, at);
        instrument_.doubleClick(UserScale::toUserX(at.first, kWidth),
                                UserScale::toUserY(at.second, kHeight));
        pointer(Release, InputCodes::kLeftButton, at);
    }

    void touch(std::uint64_t hold, const std::vector<Point>& path) {
        using State = ChainTouch::Point::State;
        const auto finger = [&](ChainTouch::Type type, State state, Point at) {
            const ChainTouch::Point point{0, state, double(at.first), double(at.second)};
            instrument_.touch(type, {&point, 1}, time_, {kWidth, kHeight, kDragDistance});
        };
        // Each touch well after the one before, as a finger needs its time.
        time_ += 10000;
        finger(ChainTouch::Type::Begin, State::Pressed, path.front());
        time_ += hold;
        for (std::size_t i = 1; i < path.size(); ++i) {
            finger(ChainTouch::Type::Update, State::Moved, path[i]);
        }
        finger(ChainTouch::Type::End, State::Released, path.back());
    }

    Instrument& instrument_;
    std::uint64_t time_ = 0;
};
