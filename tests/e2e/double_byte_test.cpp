// Setup.exe on systems whose ANSI code page is a double-byte one: Japanese (932) and
// Traditional Chinese (950).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "disc.h"
#include "files.h"
#include "registry.h"

using namespace support;

TEST(DoubleByte, DiscFolderLongerThanTheCodePageAllows) {
    ASSERT_EQ(932u, GetACP()) << "needs a Japanese system";
    SetWindowsFamily("win98");   // installs without a reader
    SetHelperBehaviour(0, 0);
    // C:\あ…\あ…\あ…\Disc: 145 characters, 280 bytes in code page 932.
    std::string part;
    for (int i = 0; i < 45; ++i) part += "\x82\xA0";
    std::vector<std::string> above = {"C:"};
    for (int i = 0; i < 3; ++i) above.push_back(above.back() + "\\" + part);
    Disc disc(above.back() + "\\Disc");
    ASSERT_GT(disc.Folder().size(), 260u);
    disc.Lay();
    // Each folder above the disc, the drive's root too, has a setup.ini and a helper.
    for (const std::string& folder : above) {
        WriteFileText(folder + "\\setup.ini", "[Win9XME_FileName]\r\nFileName_ICON=decoy.dll\r\n");
        CopyFileOver(BinDir() + "\\helper_stub.exe", folder + "\\Tarnel98.exe");
    }
    SetCurrentDirectoryA("C:\\");

    RunResult run = disc.RunSetup("-q");
    ASSERT_TRUE(run.started) << "Wine starts no program from " << disc.Folder();
    EXPECT_TRUE(run.finished);
    EXPECT_EQ("test ...\n", run.output);
    EXPECT_EQ(2u, run.exitCode) << "the helper did not run";
    for (const std::string& folder : above) EXPECT_TRUE(Disc(folder).HelperRuns().empty()) << folder;
    EXPECT_REG_SZ(HKEY_LOCAL_MACHINE, USB_ICON, "Icon Name", "ZELKI_J.dll");
    EXPECT_FALSE(FileExists(WindowsDir() + "\\TRAYM.exe"));
    EXPECT_NO_REG_VALUE(HKEY_LOCAL_MACHINE, RUN_KEY, "HidMonitor");
    EXPECT_FALSE(FolderExists(ProgramsDir() + "\\ZELK"));
}
