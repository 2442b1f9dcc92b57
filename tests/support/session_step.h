#pragma once

#include <algorithm>
#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// One step of the session table (tests/web/session.steps), read as both replays take it: the
// verb, then in this order what it has of a control's or key's name, an option word, a number
// and points in pixels ("x,y"):
//   passes N | click NAME | arrow NAME up|down [TIMES] | track NAME up|down [TIMES]
//   span up|down [TIMES] | drag left|right POINTS | doubleclick POINT | key NAME [shift]
//   touch HOLD POINTS | focus
struct SessionStep {
    using Point = std::pair<int, int>;

    explicit SessionStep(const std::string& line) {
        std::istringstream words(line);
        words >> verb;
        const auto is = [this](std::initializer_list<std::string_view> verbs) {
            return std::find(verbs.begin(), verbs.end(), verb) != verbs.end();
        };
        if (is({"click", "arrow", "track", "key"})) {
            words >> name;
        }
        if (is({"arrow", "track", "span", "drag", "key"})) {
            words >> option;
        }
        if (is({"passes", "touch"})) {
            number = 0;
        }
        if (is({"passes", "arrow", "track", "span", "touch"})) {
            words >> number;
        }
        for (std::string word; is({"drag", "touch", "doubleclick"}) && words >> word;) {
            const auto comma = word.find(',');
            points.emplace_back(std::stoi(word.substr(0, comma)),
                                std::stoi(word.substr(comma + 1)));
        }
    }

    std::string verb;
    std::string name;
    std::string option; // up or down; the button, left or right; shift
    int number = 1;     // passes (none if not given), times (once), the hold in milliseconds
    std::vector<Point> points;
};
