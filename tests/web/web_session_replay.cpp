// The native half of the page's session test: replays a table of steps (session.steps) on the
// instrument the page runs, compiled natively, and prints the state the page must also reach:
// the hashes of the chain state and of the picture, and every control as shown.
//
// web_session_replay <steps file> [width height]

#include "instrument/chain_keys.h"
#include "instrument/input_codes.h"
#include "web/web_instrument.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Key = ChainKeys::Key;

Control controlNamed(const std::string& name) {
    for (int i = 0; i < kControlCount; ++i) {
        if (controlName(static_cast<Control>(i)) == name) {
            return static_cast<Control>(i);
        }
    }
    throw std::runtime_error("no control " + name);
}

Key keyNamed(const std::string& name) {
    if (name == "ArrowUp")
        return Key::Up;
    if (name == "ArrowDown")
        return Key::Down;
    if (name == "ArrowLeft")
        return Key::Left;
    if (name == "ArrowRight")
        return Key::Right;
    if (name == "Enter")
        return Key::Enter;
    if (name == "Space")
        return Key::Space;
    if (name == "m")
        return Key::M;
    if (name == "Escape")
        return Key::Escape;
    return Key::Other;
}

struct Point {
    double x;
    double y;
};

std::vector<Point> pointsOf(std::istringstream& words) {
    std::vector<Point> points;
    std::string word;
    while (words >> word) {
        const auto comma = word.find(',');
        points.push_back({std::stod(word.substr(0, comma)), std::stod(word.substr(comma + 1))});
    }
    return points;
}

// The page's drag distance at its design size, in pixels.
constexpr int kDragDistance = 10;

class Replay {
public:
    Replay(int width, int height) { instrument_.start(width, height, 1.0); }

    void step(const std::string& line) {
        std::istringstream words(line);
        std::string verb;
        words >> verb;
        if (verb == "passes") {
            int count = 0;
            words >> count;
            instrument_.runPasses(count);
            return;
        }
        if (verb == "focus") {
            focused_ = true;
            return;
        }
        if (verb == "key") {
            std::string name;
            std::string shift;
            words >> name >> shift;
            const int code = shift == "shift" ? InputCodes::kShift : 0;
            instrument_.keys().keyPress(keyNamed(name), code);
            instrument_.keys().keyRelease(keyNamed(name), code, false);
            return;
        }
        if (verb == "drag") {
            std::string button;
            words >> button;
            drag(button == "left" ? InputCodes::kLeftButton : InputCodes::kRightButton,
                 pointsOf(words));
            return;
        }
        if (verb == "touch") {
            std::uint64_t hold = 0;
            words >> hold;
            touch(hold, pointsOf(words));
            return;
        }
        // Every other step works a control outside the view, which takes the focus from it.
        leaveView();
        std::string name;
        words >> name;
        const Control control = controlNamed(name);
        if (verb == "click") {
            instrument_.click(control);
        } else if (verb == "arrow" || verb == "track") {
            std::string direction;
            int times = 1;
            words >> direction >> times;
            const Panels::State& bar = instrument_.panels()[control];
            const int change = verb == "arrow" ? bar.range.smallChange : bar.range.largeChange;
            for (int i = 0; i < (verb == "arrow" ? times : 1); ++i) {
                instrument_.scroll(control, instrument_.panels().value(control) +
                                                (direction == "up" ? change : -change));
            }
        } else {
            throw std::runtime_error("no step " + verb);
        }
    }

    void print() const {
        std::printf("state %08x\npicture %08x\n", static_cast<unsigned>(instrument_.stateHash()),
                    static_cast<unsigned>(instrument_.pictureHash()));
        const Panels& panels = const_cast<WebInstrument&>(instrument_).panels();
        for (int i = 0; i < kControlCount; ++i) {
            const auto control = static_cast<Control>(i);
            const Panels::State& s = panels[control];
            std::printf("control %s %d %d %d %s\n", controlName(control).data(), s.visible ? 1 : 0,
                        s.checked ? 1 : 0, s.value, s.caption.c_str());
        }
    }

private:
    void leaveView() {
        if (focused_) {
            instrument_.keys().focusLost();
            focused_ = false;
        }
    }

    // As the page gets it: a move to the first point, the press there (which focuses the
    // view), a move to each further point, the release at the last.
    void drag(int button, const std::vector<Point>& points) {
        using P = WebInstrument::Pointer;
        instrument_.pointer(P::Move, 0, 0, points.front().x, points.front().y);
        instrument_.pointer(P::Down, button, 0, points.front().x, points.front().y);
        focused_ = true;
        for (std::size_t i = 1; i < points.size(); ++i) {
            instrument_.pointer(P::Move, button, 0, points[i].x, points[i].y);
        }
        instrument_.pointer(P::Up, button, 0, points.back().x, points.back().y);
    }

    void touch(std::uint64_t hold, const std::vector<Point>& points) {
        using T = ChainTouch::Type;
        using S = ChainTouch::Point::State;
        const auto send = [&](T type, S state, Point at, std::uint64_t time) {
            const ChainTouch::Point finger{1, state, at.x, at.y};
            instrument_.touch(type, {&finger, 1}, time, kDragDistance);
        };
        std::uint64_t time = 1000;
        send(T::Begin, S::Pressed, points.front(), time);
        focused_ = true;
        time += hold;
        for (std::size_t i = 1; i < points.size(); ++i) {
            send(T::Update, S::Moved, points[i], ++time);
        }
        send(T::End, S::Released, points.back(), ++time);
    }

    WebInstrument instrument_;
    bool focused_ = false;
};

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: web_session_replay <steps file> [width height]\n";
        return 2;
    }
    const int width = argc > 3 ? std::atoi(argv[2]) : 1276;
    const int height = argc > 3 ? std::atoi(argv[3]) : 653;
    Replay replay(width, height);
    std::ifstream steps(argv[1]);
    std::string line;
    while (std::getline(steps, line)) {
        if (!line.empty() && line[0] != '#') {
            replay.step(line);
        }
    }
    replay.print();
    return 0;
}
