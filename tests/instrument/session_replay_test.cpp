// The session both editions replay (tests/web/session.steps), played onto the instrument without
// a toolkit, as the page plays it: it must end in the chain state, picture and controls that the
// desktop's main window shows after the same steps (tests/web/session.expected, which
// desktop_session_replay_test holds the desktop to).

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
    EXPECT_EQ(SessionSteps::endState(instrument), kSessionExpected);
}
