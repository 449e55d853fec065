#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "journal/journal.h"

namespace {

struct Lines final : JournalSink {
    std::vector<std::string> lines;
    void WriteLine(const char* line) override { lines.push_back(line); }
    void DescribeError(uint32_t error, char* text, size_t size) override {
        snprintf(text, size, "%s", error == 5 ? "Access is denied." : "");
    }
};

}  // namespace

TEST(Journal, OneLineAnActionWithItsOutcome) {
    Lines sink;
    Journal journal(&sink);
    journal.Begin("1.2.3", {2026, 3, 4, 5, 6, 7}, "D:\\Setup.exe -q -log:C:\\setup.log");
    journal.Record(Act::Copy, "D:\\ZELKI_J.dll", "C:\\WINDOWS\\ZELKI_J.dll", Outcome::Done());
    journal.Record(Act::Delete, "C:\\WINDOWS\\ZELKI_J.dll", Outcome::AtRestart());
    journal.Record(Act::Delete, "C:\\WINDOWS\\inf\\oem3.pnf", Outcome::Failed(2));
    journal.Record(Act::WriteValue, "HKLM\\X:SD Name", Outcome::Failed(5));
    journal.Record(Act::SaveShortcut, "C:\\Uninstall.lnk", Outcome::Failed(0x80070005));
    journal.Record(Act::CreateFolder, "C:\\JOV", Outcome::Failed(183));
    journal.ProgramStarting("D:\\Tarnel2k.exe \"D:\\Win2KXP\\ZELK6SK.inf\" VID_1234&PID_ABCD");
    journal.ProgramEnded("D:\\Tarnel2k.exe", {ProgramEnd::EXITED, 1, 0, 0});
    journal.ProgramEnded("D:\\Tarnel2k.exe", {ProgramEnd::NOT_STARTED, 0, 5, 0});
    journal.ProgramEnded("D:\\Tarnel2k.exe", {ProgramEnd::STILL_RUNNING, 0, 0, 1200});
    journal.End(3010);
    const std::vector<std::string> expected = {
        "Setup 1.2.3, 2026-03-04 05:06:07, command line: D:\\Setup.exe -q -log:C:\\setup.log",
        "copy D:\\ZELKI_J.dll to C:\\WINDOWS\\ZELKI_J.dll: done",
        "delete file C:\\WINDOWS\\ZELKI_J.dll: in use; done at the next restart",
        "delete file C:\\WINDOWS\\inf\\oem3.pnf: not there",
        "write registry value HKLM\\X:SD Name: failed: error 5: Access is denied.",
        "save shortcut C:\\Uninstall.lnk: failed: error 0x80070005",
        "create folder C:\\JOV: already there",
        "start program: D:\\Tarnel2k.exe \"D:\\Win2KXP\\ZELK6SK.inf\" VID_1234&PID_ABCD",
        "D:\\Tarnel2k.exe ended with exit code 1",
        "D:\\Tarnel2k.exe could not be started: error 5: Access is denied.",
        "D:\\Tarnel2k.exe still runs after 1200 seconds; left running",
        "exit code 3010",
    };
    EXPECT_EQ(expected, sink.lines);
}

TEST(Journal, ALineTooLongSaysSoAndKeepsItsOutcome) {
    Lines sink;
    Journal journal(&sink);
    const std::string path(900, 'x');
    journal.Record(Act::Copy, path.c_str(), path.c_str(), Outcome::Failed(5));
    ASSERT_EQ(1u, sink.lines.size());
    EXPECT_EQ("(an action too long for the log): failed: error 5: Access is denied.", sink.lines[0]);

    Journal none;   // records nothing, and needs no sink
    none.Record(Act::Delete, "C:\\x", Outcome::Failed(5));
    none.End(0);
}
