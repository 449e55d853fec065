// The entry in Add or Remove Programs: written by a quiet installation, deleted by the
// quiet removal, on the Windows family named by SETUP_FAMILY. Read in the registry view
// Setup.exe wrote, as this program has its bitness.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "disc.h"
#include "files.h"
#include "registry.h"
#include "setup_version.h"
#include "virtual_reader.h"

using namespace support;

namespace {

const std::string UNINSTALL = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
const char OUR_NAMES[] = "VendorName=Acme\r\nProductName=Card Reader\r\n";

struct Case {
    const char* what;
    std::string preDefine;
    const char* program;            // the disc's program, without a Setup.exe beside it when another
    bool written;
    bool changedByAnotherProgram;   // its UninstallString names another folder before the removal
};

const Case CASES[] = {
    {"written, then removed", OUR_NAMES, "Setup.exe", true, false},
    {"turned off", std::string(OUR_NAMES) + "AddRemoveEntry=0\r\n", "Setup.exe", false, false},
    {"names the rules refuse", "VendorName=..\\Acme\r\nProductName=Card Reader\r\n", "Setup.exe", false, false},
    {"no Setup.exe to copy, so nothing to start", OUR_NAMES, "Install.exe", false, false},
    {"changed by another program before the removal", OUR_NAMES, "Setup.exe", true, true},
};

// Other products' entries, with names like ours.
const char* const NEIGHBOURS[][2] = {
    {"Acme Card Reader 2", "\"C:\\Program Files\\Acme\\Card Reader 2\\Setup.exe\" -u"},
    {"Acme", "\"C:\\Program Files\\Acme\\Setup.exe\" -u"},
};

std::vector<std::string> Entries() {
    std::vector<std::string> keys = SubKeys(HKEY_LOCAL_MACHINE, UNINSTALL);
    std::sort(keys.begin(), keys.end());
    return keys;
}

std::string FamilyName() {
    char name[32] = {};
    GetEnvironmentVariableA("SETUP_FAMILY", name, sizeof name);
    return name;
}

// The system's own registry tool, as 64-bit Windows lists installed programs: a 32-bit
// program's entry under Wow6432Node, a 64-bit one's in the native key.
RunResult QueryWithTheSystemsTool(const std::string& keyName) {
    if (RunsUnderWow64()) {
        return Run("\"" + WindowsDir() + "\\Sysnative\\reg.exe\" query \"HKLM\\Software\\Wow6432Node\\Microsoft\\"
                   "Windows\\CurrentVersion\\Uninstall\\" + keyName + "\"");
    }
    return Run("reg.exe query \"HKLM\\" + UNINSTALL + "\\" + keyName + "\"");
}

}  // namespace

TEST(AddRemoveEntry, WrittenWithTheUninstallEntryRemovedWithItOnlyWhenOurs) {
    const std::string family = FamilyName();
    ASSERT_TRUE(family == "win98" || family == "winxp" || family == "win7") << "SETUP_FAMILY: '" << family << "'";
    SetWindowsFamily(family);
    SetHelperBehaviour(0, 0);
    // Windows 98 names Program Files by its short name, which Wine does not make.
    const std::string programFiles = family == "win98" ? "C:\\Progra~1" : ProgramFilesDir();
    CreateFolders(programFiles);

    for (const auto& neighbour : NEIGHBOURS) {
        WriteString(HKEY_LOCAL_MACHINE, UNINSTALL + "\\" + neighbour[0], "DisplayName", neighbour[0]);
        WriteString(HKEY_LOCAL_MACHINE, UNINSTALL + "\\" + neighbour[0], "UninstallString", neighbour[1]);
    }
    const std::string key = UNINSTALL + "\\Acme Card Reader";
    const std::string folder = programFiles + "\\Acme\\Card Reader";
    const std::string copy = folder + "\\Setup.exe";
    const std::string changed = "\"C:\\Program Files\\Acme\\Elsewhere\\Setup.exe\" -u";

    Disc disc("C:\\Driver Disc");
    VirtualReader reader;
    for (const Case& c : CASES) {
        SCOPED_TRACE(c.what);
        disc.Lay("[Vendors]\r\nVendor0=VID_1234&PID_ABCD\r\n[Pre_Define]\r\n" + c.preDefine);
        if (c.program != std::string("Setup.exe")) {
            CopyFileOver(disc.Path("Setup.exe"), disc.Path(c.program));
            disc.Remove("Setup.exe");
        }
        const std::string program = "\"" + disc.Path(c.program) + "\"";
        // A removal leaves the copy of Setup.exe: each case starts without one.
        RemoveFileForce(copy);
        PlugIn(reader);
        const std::vector<std::string> before = Entries();

        RunResult install = support::Run(program + " -q");
        ASSERT_TRUE(install.finished);
        std::vector<std::string> expected = before;
        if (c.written) {
            expected.push_back("Acme Card Reader");
            std::sort(expected.begin(), expected.end());
        }
        EXPECT_EQ(expected, Entries());
        if (c.written) {
            EXPECT_REG_SZ(HKEY_LOCAL_MACHINE, key, "DisplayName", "Acme Card Reader");
            EXPECT_REG_SZ(HKEY_LOCAL_MACHINE, key, "UninstallString", "\"" + copy + "\" -u");
            EXPECT_REG_SZ(HKEY_LOCAL_MACHINE, key, "QuietUninstallString", "\"" + copy + "\" -q -u");
            EXPECT_REG_SZ(HKEY_LOCAL_MACHINE, key, "DisplayIcon", copy + ",4");
            EXPECT_REG_SZ(HKEY_LOCAL_MACHINE, key, "DisplayVersion", SETUP_VERSION_TEXT);
            EXPECT_REG_SZ(HKEY_LOCAL_MACHINE, key, "Publisher", "Acme");
            EXPECT_REG_SZ(HKEY_LOCAL_MACHINE, key, "InstallLocation", folder);
            EXPECT_REG_DWORD(HKEY_LOCAL_MACHINE, key, "NoModify", 1);
            EXPECT_REG_DWORD(HKEY_LOCAL_MACHINE, key, "NoRepair", 1);
            EXPECT_EQ(9u, ValueNames(HKEY_LOCAL_MACHINE, key).size());
            EXPECT_TRUE(FileExists(copy)) << "the program the entry starts";
        }
        if (c.written && !c.changedByAnotherProgram) {
            RunResult query = QueryWithTheSystemsTool("Acme Card Reader");
            EXPECT_EQ(0u, query.exitCode) << query.output;
            for (const std::string& line : {"    UninstallString    REG_SZ    \"" + copy + "\" -u\r\n",
                                             "    QuietUninstallString    REG_SZ    \"" + copy + "\" -q -u\r\n"}) {
                EXPECT_NE(std::string::npos, query.output.find(line)) << query.output;
            }
        }
        if (c.changedByAnotherProgram) WriteString(HKEY_LOCAL_MACHINE, key, "UninstallString", changed);

        RunResult removal = support::Run(program + " -q -u");
        ASSERT_TRUE(removal.finished);
        EXPECT_FALSE(IsPluggedIn(reader)) << "the removal ran";
        if (c.changedByAnotherProgram) {
            EXPECT_REG_SZ(HKEY_LOCAL_MACHINE, key, "UninstallString", changed);
            EXPECT_REG_SZ(HKEY_LOCAL_MACHINE, key, "DisplayName", "Acme Card Reader");
            EXPECT_EQ(9u, ValueNames(HKEY_LOCAL_MACHINE, key).size());
        } else {
            EXPECT_EQ(before, Entries());
        }
        if (c.written && !c.changedByAnotherProgram) {
            EXPECT_NE(0u, QueryWithTheSystemsTool("Acme Card Reader").exitCode) << "the system's tool finds none";
        }
        for (const auto& neighbour : NEIGHBOURS) {
            EXPECT_REG_SZ(HKEY_LOCAL_MACHINE, UNINSTALL + "\\" + neighbour[0], "UninstallString", neighbour[1]);
            EXPECT_EQ(2u, ValueNames(HKEY_LOCAL_MACHINE, UNINSTALL + "\\" + neighbour[0]).size());
        }
    }
}
