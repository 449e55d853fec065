#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "state/switches.h"

namespace {

// Parses {program, args...} into a state whose flags all start set.
SetupState Parse(std::vector<const char*> argv) {
    SetupState state{};
    state.restartNow = state.uninstallMode = state.quietMode = true;
    ParseSwitches(static_cast<int>(argv.size()), const_cast<char**>(argv.data()), state);
    return state;
}

}  // namespace

TEST(Switches, SetsFlagsFromWholeArgumentsOnly) {
    struct Case {
        std::vector<const char*> argv;
        bool uninstall, quiet;
    } cases[] = {
        {{}, false, false},
        {{"Setup.exe"}, false, false},
        {{"-q"}, false, false},                         // the program name is not an argument
        {{"Setup.exe", "-u"}, true, false},
        {{"Setup.exe", "-UNINSTALL"}, true, false},
        {{"Setup.exe", "-Q"}, false, true},
        {{"Setup.exe", "-quiet"}, false, true},
        {{"Setup.exe", "/q", "-qq", "-u2", "q", "-", ""}, false, false},
        {{"Setup.exe", "-q", "-U", "other"}, true, true},  // nothing clears a flag again
        {{"Setup.exe", "-Uninstall", "x", "-QUIET"}, true, true},
    };
    for (const Case& c : cases) {
        SetupState state = Parse(c.argv);
        std::string line;
        for (const char* a : c.argv) line += std::string(a) + " ";
        EXPECT_EQ(c.uninstall, state.uninstallMode) << line;
        EXPECT_EQ(c.quiet, state.quietMode) << line;
        EXPECT_FALSE(state.restartNow) << line;
    }
}

TEST(Switches, LogNamesAFileAsAWholeArgument) {
    const std::string tooLong = "-log:C:\\" + std::string(TEXT_SIZE, 'x');
    struct Case {
        std::vector<const char*> argv;
        const char* logPath;
    } cases[] = {
        {{"Setup.exe", "-q"}, ""},
        {{"Setup.exe", "-log:C:\\setup.log", "-q"}, "C:\\setup.log"},
        {{"Setup.exe", "-LOG:C:\\Logs and more\\a.log"}, "C:\\Logs and more\\a.log"},
        {{"Setup.exe", "-log:a.log", "-Log:b.log"}, "b.log"},   // the last one counts
        {{"Setup.exe", "-log:"}, ""},
        {{"Setup.exe", "/log:a.log", "-log", "log:a.log", "-logs:a.log"}, ""},
        {{"Setup.exe", tooLong.c_str()}, ""},                   // never a cut path
    };
    for (const Case& c : cases) {
        SetupState state = Parse(c.argv);
        EXPECT_STREQ(c.logPath, state.logPath) << c.argv.back();
    }
}
