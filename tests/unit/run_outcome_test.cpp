#include <gtest/gtest.h>

#include "state/run_outcome.h"
#include "text/bounded_text.h"

TEST(RunOutcome, AQuietRunDoesWhatItCanAndTellsWhy) {
    struct Case {
        const char* situation;
        OsKind os;
        bool uninstall, reader, installed, administrator, discFolder;
        QuietWork work;
        int failure;
    } cases[] = {
        {"installs with the reader", OS_WINXP, false, true, false, true, true, QuietWork::Install, EXIT_DONE},
        {"98 installs without it", OS_WIN98, false, false, false, true, true, QuietWork::Install, EXIT_DONE},
        {"Me does not", OS_WINME, false, false, false, true, true, QuietWork::Nothing, EXIT_NO_READER},
        {"no reader", OS_VISTA64, false, false, true, true, true, QuietWork::Nothing, EXIT_NO_READER},
        {"no disc folder", OS_WINXP, false, true, false, true, false, QuietWork::Install, EXIT_HELPER_NOT_RUN},
        {"no disc, no reader", OS_WINXP, false, false, false, true, false, QuietWork::Nothing, EXIT_HELPER_NOT_RUN},
        {"removes", OS_WINXP, true, true, true, true, true, QuietWork::Remove, EXIT_DONE},
        {"removes from anywhere", OS_WIN98, true, true, true, true, false, QuietWork::Remove, EXIT_DONE},
        {"nothing to remove", OS_WINXP, true, true, false, true, true, QuietWork::Nothing, EXIT_DONE},
        {"no reader to remove", OS_WIN98, true, false, true, true, true, QuietWork::Nothing, EXIT_NO_READER},
        {"limited user installs", OS_WINXP, false, true, false, false, true, QuietWork::Nothing, EXIT_NOT_ADMINISTRATOR},
        {"limited user removes", OS_WIN2000, true, true, true, false, true, QuietWork::Nothing, EXIT_NOT_ADMINISTRATOR},
    };
    for (const Case& c : cases) {
        SetupState s{};
        s.osKind = c.os;
        s.uninstallMode = c.uninstall;
        s.devicePresent = c.reader;
        s.driverInstalled = c.installed;
        if (c.discFolder) CopyText(s.sourceDir, "D:");
        QuietChoice choice = ChooseQuietWork(s, c.administrator);
        EXPECT_EQ(c.work, choice.work) << c.situation;
        EXPECT_EQ(c.failure, choice.failure) << c.situation;
    }
}

TEST(RunOutcome, AFailureWinsOverARestartAndTheFirstFailureStays) {
    RunOutcome outcome;
    EXPECT_EQ(EXIT_DONE, outcome.ExitCode());
    outcome.restartPending = true;
    EXPECT_EQ(EXIT_RESTART_PENDING, outcome.ExitCode());
    outcome.Fail(EXIT_DONE);
    EXPECT_EQ(EXIT_RESTART_PENDING, outcome.ExitCode());
    outcome.Fail(EXIT_HELPER_NOT_RUN);
    outcome.Fail(EXIT_NO_READER);
    EXPECT_EQ(EXIT_HELPER_NOT_RUN, outcome.ExitCode());
}
