// The helper command line DiscCheck predicts for the sample disc is the one Setup.exe
// really runs there, on the Windows family named by SETUP_FAMILY.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "disc.h"
#include "files.h"
#include "virtual_reader.h"

using namespace support;

namespace {

std::string FamilyName() {
    char name[32] = {};
    GetEnvironmentVariableA("SETUP_FAMILY", name, sizeof name);
    return name;
}

// Wine's family names, as DiscCheck names them. Vista seen by a 64-bit process (the
// twin build) is Vista 64-bit.
std::string CheckedFamily(const std::string& name) {
    static const std::map<std::string, std::string> NAMES = {
        {"win98", "win98"}, {"winme", "winme"},     {"win2k", "win2000"}, {"winxp", "winxp"},
        {"winxp64", "winxp64"}, {"vista", "vista"}, {"win7", "vista64"},
    };
    auto found = NAMES.find(name == "vista" && sizeof(void*) == 8 ? "win7" : name);
    return found == NAMES.end() ? "" : found->second;
}

// "    command line for Vendor0: ..." of the report.
std::string PredictedCommandLine(const std::string& report, const std::string& key) {
    const std::string label = "    command line for " + key + ": ";
    size_t at = report.find(label);
    if (at == std::string::npos) return "(none in the report)";
    at += label.size();
    return report.substr(at, report.find_first_of("\r\n", at) - at);
}

}  // namespace

TEST(DiscCheckAgreesWithSetup, HelperCommandLine) {
    const std::string name = FamilyName();
    const std::string family = CheckedFamily(name);
    ASSERT_FALSE(family.empty()) << "SETUP_FAMILY names no family: '" << name << "'";
    SetWindowsFamily(name);
    SetHelperBehaviour(0, 0);
    Disc disc;
    disc.Lay();
    PlugIn(VirtualReader());   // the sample disc's Vendor0

    RunResult install = disc.RunSetup("-q");
    ASSERT_TRUE(Finished(install));
    auto runs = disc.HelperRuns();
    ASSERT_EQ(1u, runs.size());

    RunResult check = support::Run("\"" + BinDir() + "\\DiscCheck.exe\" /family:" + family + " \"" + disc.Folder() + "\"");
    ASSERT_TRUE(Finished(check));
    EXPECT_EQ(0u, check.exitCode) << "DiscCheck's 0 is a clean disc; it printed " << check.output;
    EXPECT_EQ(runs[0].title, PredictedCommandLine(check.output, "Vendor0")) << check.output;
}
