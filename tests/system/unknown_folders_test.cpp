// A folder the system could not give is empty in SetupState. Composed with it, a path
// would lead to the root of the current drive: nothing is read, run, copied,
// registered or deleted there.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "state/profile_ini.h"
#include "state/setup_ini.h"
#include "state/setup_state.h"
#include "install/install_driver.h"
#include "install/uninstall_entry.h"
#include "remove/remove_installation.h"
#include "disc.h"
#include "disc_state.h"
#include "files.h"
#include "process.h"
#include "registry.h"
#include "virtual_reader.h"

using namespace support;

namespace {

// Where the Windows 98 installation's files would land, and the removal would delete,
// with the Windows and system folders unknown.
const std::vector<std::string> ROOT_DECOYS = {
    "C:\\ZELKI_J.dll",        "C:\\TRAYM.exe",         "C:\\system32\\drivers\\ZELK6S.sys", "C:\\iosubsys\\ZELK6Sp.pdr",
    "C:\\inf\\ZELKDISK.inf", "C:\\inf\\other\\JOVZELK6S.inf", "C:\\inf\\oem3.inf", "C:\\inf\\oem3.pnf"};

class UnknownFolders : public ::testing::Test {
protected:
    void SetUp() override {
        SetCurrentDirectoryA("C:\\");
        SetHelperBehaviour(0, 0);
        disc.Lay();
        SetStateForDisc(disc, OS_WIN98, reader);
        PlugIn(reader);
        CreateFolders(SystemDir() + "\\iosubsys");
    }

    Disc disc;
    Disc root{"C:"};   // its helper.log is the one a helper at the root writes
    VirtualReader reader;
};

}  // namespace

TEST_F(UnknownFolders, NoSetupIniAtTheRoot) {
    WriteFileText("C:\\setup.ini", "[Pre_Define]\r\nVendorName=Decoy\r\nXDIcon=7\r\n");
    ProfileIni ini("");
    char vendor[TEXT_SIZE];
    ini.ReadText("Pre_Define", "VendorName", "ZELK", vendor, sizeof vendor);
    EXPECT_STREQ("ZELK", vendor);
    EXPECT_EQ(0, ini.ReadInt("Pre_Define", "XDIcon", 0));
}

TEST_F(UnknownFolders, WithoutTheDiscNothingRunsOrIsCopied) {
    for (const char* program : {"C:\\Tarnel98.exe", "C:\\Tarnel2k.exe"}) {
        CopyFileOver(BinDir() + "\\helper_stub.exe", program);
    }
    CopyFileOver(disc.Path("TRAYM.exe"), "C:\\TRAYM.exe");
    CopyFileOver(disc.Path("ZELKI_J.dll"), "C:\\ZELKI_J.dll");
    CopyFileOver(disc.Path("Setup.exe"), "C:\\Setup.exe");
    setupState.sourceDir[0] = '\0';

    for (OsKind kind : {OS_WIN98, OS_WINXP}) {
        setupState.osKind = kind;
        Handed handed;
        EXPECT_FALSE(InstallDriver(handed.files, handed.journal)) << "the helper did not run";
        EXPECT_TRUE(root.HelperRuns().empty());
        EXPECT_FALSE(FileExists(WindowsDir() + "\\ZELKI_J.dll"));
        EXPECT_FALSE(FileExists(WindowsDir() + "\\TRAYM.exe"));
        EXPECT_NO_REG_VALUE(HKEY_LOCAL_MACHINE, RUN_KEY, "HidMonitor");
        EXPECT_TRUE(FAILED(CreateUninstallEntry(handed.files, handed.journal)));
        EXPECT_FALSE(FolderExists(ProgramsDir() + "\\JOV"));
        EXPECT_FALSE(FolderExists(ProgramFilesDir() + "\\JOV"));
    }
}

TEST_F(UnknownFolders, WithoutTheWindowsFoldersNothingLandsAtTheRoot) {
    setupState.windowsDir[0] = '\0';
    setupState.systemDir[0] = '\0';
    Handed handed;
    EXPECT_TRUE(InstallDriver(handed.files, handed.journal)) << "the helper on the disc runs";
    EXPECT_EQ(1u, disc.HelperRuns().size());
    for (const std::string& file : ROOT_DECOYS) EXPECT_FALSE(FileExists(file)) << file;
    EXPECT_NO_REG_VALUE(HKEY_LOCAL_MACHINE, RUN_KEY, "HidMonitor");

    for (const std::string& file : ROOT_DECOYS) WriteFileText(file, "decoy");
    for (OsKind kind : {OS_WIN98, OS_WINXP}) {
        setupState.osKind = kind;
        SeedDriverStore(reader, "ZELK", "oem3.inf");
        RemoveInstallation(handed.files, handed.journal);
        for (const std::string& file : ROOT_DECOYS) EXPECT_EQ("decoy", ReadFileText(file)) << file;
        EXPECT_TRUE(FileExists(WindowsDir() + "\\inf\\oem3.inf")) << "in the unknown Windows folder";
        PlugIn(reader);
    }
}
