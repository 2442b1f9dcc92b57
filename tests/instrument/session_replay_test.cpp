// The session both editions replay (tests/web/session.steps) and the setups they start with
// (tests/web/setups.table), played onto the instrument without a toolkit, as the page plays
// them: each must end in the chain state, picture and controls that the desktop's main window
// shows (tests/web/session.expected and setups.expected, which desktop_session_replay_test and
// desktop_setups_test hold the desktop to).

#include "instrument/instrument.h"
#include "session_files.h"
#include "support/session_steps.h"

#include <gtest/gtest.h>

TEST(SessionReplay, EndsAsTheDesktopWindowShowsIt) {
    Instrument instrument(",");
    SessionSteps session(instrument);
    for (const std::string& step : SessionSteps::of(kSessionSteps)) {
        session.play(step);
    }
    EXPECT_EQ(session.shown(), kSessionExpected);
}

// Each setup of tests/web/setups.table started with and run on: as the desktop's window ends
// (tests/web/setups.expected).
TEST(SessionReplay, SetupsStartAsOnTheDesktop) {
    std::string shown;
    for (const std::string& line : SessionSteps::of(kSetupsTable)) {
        Instrument instrument(",");
        ::Setup setup = ::Setup::parse(line);
        SessionSteps session(instrument, &setup);
        session.play("passes " + std::to_string(SessionSteps::kPassesAfterSetup));
        shown += SessionSteps::setupBlock(line, SessionSteps::endState(instrument));
    }
    EXPECT_EQ(shown, kSetupsExpected);
}
