// The panels in the language chosen before the instrument is made: captions that change with
// the handlers' state, and read-outs with the language's decimal separator; and how the panels flow
// into a window's width.
#include "instrument/instrument.h"
#include "instrument/panel_flow.h"
#include "language/language.h"

#include <gtest/gtest.h>

#include <ostream>
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
         {"1.5", "25.5", "Continue", "Halted", " Stop clock", "   About the pendulum chain",
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
// where that is lower; each row centred. The places as worked out by hand.
TEST(PanelFlow, ColumnsFillRowsAndWrapWhereTheWidthRunsOut) {
    using enum Control;
    const std::vector<FormLayout::Column> columns{{{Frame1}},
                                                  {{Frame3}, {Frame5}},
                                                  {{Frame2}, {Frame4}, {Frame6}},
                                                  {{Command6, Command10}, {Frame7}}};
    const auto sizeOf = [](Control c) -> PanelFlow::Size {
        switch (c) {
        case Frame1:
            return {300, 300};
        case Frame3:
        case Frame5:
            return {380, 150};
        case Frame7:
            return {260, 240};
        case Command6:
        case Command10:
            return {100, 60};
        default:
            return {250, 100};
        }
    };
    struct Row {
        double room;
        double width, height;
        int rows;
        std::vector<PanelFlow::Place> places;
    };
    const std::vector<Row> table{
        {1250,
         1208,
         312,
         1,
         {{Frame1, 21, 0, 300, 300},
          {Frame3, 327, 0, 380, 150},
          {Frame5, 327, 156, 380, 150},
          {Frame2, 713, 0, 250, 100},
          {Frame4, 713, 106, 250, 100},
          {Frame6, 713, 212, 250, 100},
          {Command6, 969, 0, 100, 60},
          {Command10, 1075, 0, 100, 60},
          {Frame7, 969, 66, 260, 240}}},
        {1000,
         942,
         558,
         2,
         {{Frame1, 29, 0, 300, 300},
          {Frame3, 335, 0, 380, 150},
          {Frame5, 335, 156, 380, 150},
          {Frame2, 721, 0, 250, 100},
          {Frame4, 721, 106, 250, 100},
          {Frame6, 721, 212, 250, 100},
          {Command6, 264, 318, 100, 60},
          {Command10, 370, 318, 100, 60},
          {Frame7, 476, 318, 260, 240}}},
        {700,
         686,
         624,
         2,
         {{Frame1, 7, 0, 300, 300},
          {Frame3, 313, 0, 380, 150},
          {Frame5, 313, 156, 380, 150},
          {Frame2, 92, 312, 250, 100},
          {Frame4, 92, 418, 250, 100},
          {Frame6, 92, 524, 250, 100},
          {Command6, 348, 312, 100, 60},
          {Command10, 454, 312, 100, 60},
          {Frame7, 348, 378, 260, 240}}},
    };
    for (const Row& row : table) {
        const PanelFlow flow(columns, sizeOf, 6, row.room);
        EXPECT_EQ(flow.places(), row.places) << row.room;
        EXPECT_EQ((std::array{flow.width(), flow.height(), double(flow.rows())}),
                  (std::array{row.width, row.height, double(row.rows)}))
            << row.room;
    }
    EXPECT_EQ((std::array{PanelFlow::leastViewHeight(500), PanelFlow::leastViewHeight(1000)}),
              (std::array{120.0, 200.0}));
}
