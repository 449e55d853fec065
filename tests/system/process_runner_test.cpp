// Running helper programs: start, wait, time limit, and which program starts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "device/process_runner.h"
#include "disc.h"
#include "files.h"
#include "process.h"

using namespace support;

namespace {

const char* const COMPLETED = "RUN_COMPLETED";
const char* const FAILED = "RUN_FAILED";

// RunAndWait's outcome, by name.
std::string RunHelper(const std::string& program, std::string commandLine, unsigned limitSeconds) {
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    Journal none;
    int outcome = RunAndWait(program.c_str(), line.data(), limitSeconds, none);
    return outcome == RUN_COMPLETED ? COMPLETED : outcome == RUN_FAILED ? FAILED : std::to_string(outcome);
}

}  // namespace

TEST(ProcessRunner, ReportsStartsEndsAndTimeLimits) {
    const std::string folder = "C:\\My Disc";
    const std::string helper = folder + "\\Tarnel2k.exe";
    CopyFileOver(BinDir() + "\\helper_stub.exe", helper);
    SetEnv("STUB_LOG", "C:\\helper.log");
    Disc logs("C:");   // reads C:\helper.log

    EXPECT_EQ(FAILED, RunHelper(folder + "\\Missing.exe", folder + "\\Missing.exe", 5));

    SetHelperBehaviour(0, 7);
    const std::string commandLine = helper + " \"C:\\My Disc\\Win2KXP\\ZELK6SK.inf\" VID_1234&PID_ABCD";
    EXPECT_EQ(COMPLETED, RunHelper(helper, commandLine, PATIENCE_MS / 1000)) << "an exit code is no failure";
    ASSERT_EQ(1u, logs.HelperRuns().size());
    EXPECT_EQ(commandLine, logs.HelperRuns()[0].title) << "the helper sees the command line as composed";
    EXPECT_EQ(helper, logs.HelperRuns()[0].program);

    // A program that outlives its limit is reported and left running: these two are
    // held at their start until the gate opens.
    HelperGate gate;
    gate.Close();
    EXPECT_EQ(FAILED, RunHelper(helper, helper, 1));
    EXPECT_EQ(FAILED, RunHelper(helper, helper, 0));
    EXPECT_TRUE(WaitUntil([&] { return logs.HelperRuns().size() == 3; }))
        << "the two helpers never recorded their start; runs recorded: " << logs.HelperRuns().size();
    EXPECT_EQ(2, CountProcesses("Tarnel2k.exe")) << "the helpers should still be running";
    gate.Open();
}

TEST(ProcessRunner, ABlankInThePathNeverStartsAnotherProgram) {
    // "C:\My Disc\Tarnel2k.exe" unquoted would start C:\My.exe on a system that
    // searches for the program in the command line.
    CopyFileOver(BinDir() + "\\helper_stub.exe", "C:\\My.exe");
    CopyFileOver(BinDir() + "\\helper_stub.exe", "C:\\My Disc\\Tarnel2k.exe");
    SetEnv("STUB_LOG", "C:\\blank.log");
    SetHelperBehaviour(0, 0);
    const std::string commandLine = "C:\\My Disc\\Tarnel2k.exe \"C:\\My Disc\\x.inf\" VID_1";
    EXPECT_EQ(COMPLETED, RunHelper("C:\\My Disc\\Tarnel2k.exe", commandLine, PATIENCE_MS / 1000));
    std::string log = ReadFileText("C:\\blank.log");
    EXPECT_NE(std::string::npos, log.find("program=C:\\My Disc\\Tarnel2k.exe")) << log;
    EXPECT_EQ(std::string::npos, log.find("program=C:\\My.exe")) << log;
    EXPECT_NE(std::string::npos, log.find("title=" + commandLine)) << log;
}
