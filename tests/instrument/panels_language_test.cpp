// The panels in the language chosen before the instrument is made: captions that change with
// the handlers' state, and read-outs with the language's decimal separator; and how the panels flow
// into a window's width.
#include "instrument/instrument.h"
#include "instrument/panel_flow.h"
#include "language/language.h"

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Shown {
    std::string amplitude, period, halt, mode, clock, info, damping;
    bool operator==(const Shown&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const Shown& s) {
        return out << s.amplitude << '|' << s.period << '|' << s.halt << '|' << s.mode << '|'
                   << s.clock << '|' << s.info << '|' << s.damping;
    }
};

Shown afterSomeClicks(const char* language) {
    EXPECT_TRUE(Language::use(language));
    Instrument instrument{std::string(Language::decimalSeparator(","))};
    instrument.start();
    instrument.scroll(Role::kAmplitudeBar, 15);
    instrument.scroll(Role::kPeriodBar, 255);
    instrument.click(Role::kHaltButton);
    instrument.click(Role::kClockSwitch);
    instrument.click(Role::kPendulumOption);
    instrument.click(Role::kDampingSwitch);
    const Panels& p = instrument.panels();
    Shown shown{p.caption(Role::kAmplitudeReadout), p.caption(Role::kPeriodReadout),
                p.caption(Role::kHaltButton),       p.caption(Role::kModeLabel),
                p.caption(Role::kClockSwitch),      p.caption(Role::kInfoButton),
                p.caption(Role::kDampingLabel)};
    Language::use("de");
    return shown;
}

TEST(PanelsLanguage, CaptionsAndReadOutsFollowTheLanguage) {
    const std::vector<std::pair<const char*, Shown>> expected{
        {"en",
         {"1.5", "25.5", "Resume", "Paused", " Stop clock", "   About the pendulum chain",
          "Damping off"}},
        {"de",
         {"1,5", "25,5", "Weiter", "Halt", " Uhr Stopp", "   Info zur Pendelkette",
          "Dämpfung off"}}};
    for (const auto& [language, want] : expected) {
        EXPECT_EQ(afterSomeClicks(language), want) << language;
    }
}

} // namespace

// How the panels flow into a window's width, as both faces lay them out: four columns of made-up
// sizes, in one row where they fit, else wrapping, a column alone in its row laid side by side
// where that is lower; each row centred. The places as worked out by hand, each at its size.
TEST(PanelFlow, ColumnsFillRowsAndWrapWhereTheWidthRunsOut) {
    using namespace Role;
    const std::vector<FormLayout::Column> columns{
        {{kDrivePanel}},
        {{kClearingPanel}, {kClockPanel}},
        {{kDampingPanel}, {kRefractionPanel}, {kObstaclePanel}},
        {{kInfoButton, kEndButton}, {kCarrierPanel}}};
    const auto sizeOf = [](Control c) -> PanelFlow::Size {
        const std::map<Control, PanelFlow::Size> sizes{
            {kDrivePanel, {300, 300}},   {kClearingPanel, {380, 150}}, {kClockPanel, {380, 150}},
            {kCarrierPanel, {260, 240}}, {kInfoButton, {100, 60}},     {kEndButton, {100, 60}}};
        return sizes.contains(c) ? sizes.at(c) : PanelFlow::Size{250, 100};
    };
    // Room: width x height / rows, then each child's place in the form's order of columns.
    const std::vector<std::pair<double, std::string>> table{
        {1250, "1208x312/1 21,0 327,0 327,156 713,0 713,106 713,212 969,0 1075,0 969,66"},
        {1000, "942x558/2 29,0 335,0 335,156 721,0 721,106 721,212 264,318 370,318 476,318"},
        {700, "686x624/2 7,0 313,0 313,156 92,312 92,418 92,524 348,312 454,312 348,378"}};
    for (const auto& [room, expected] : table) {
        const PanelFlow flow(columns, sizeOf, 6, room);
        std::ostringstream seen;
        seen << flow.width() << 'x' << flow.height() << '/' << flow.rows();
        for (const PanelFlow::Place& p : flow.places()) {
            seen << ' ' << p.x << ',' << p.y;
            EXPECT_EQ((std::array{p.width, p.height}),
                      (std::array{sizeOf(p.control).width, sizeOf(p.control).height}));
        }
        EXPECT_EQ(seen.str(), expected) << room;
    }
    EXPECT_EQ((std::array{PanelFlow::leastViewHeight(500), PanelFlow::leastViewHeight(1000)}),
              (std::array{120.0, 200.0}));
}
