// Setup.exe on systems whose ANSI code page is a double-byte one: Japanese (932) and
// Traditional Chinese (950).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "disc.h"
#include "files.h"
#include "names.h"
#include "registry.h"
#include "shortcut.h"
#include "virtual_reader.h"

using namespace support;

TEST(DoubleByte, DiscFolderLongerThanTheCodePageAllows) {
    ASSERT_EQ(932u, GetACP()) << "needs a Japanese system";
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
        for (const char* helper : {"Tarnel98.exe", "Tarnel2k.exe"}) {
            CopyFileOver(BinDir() + "\\helper_stub.exe", folder + "\\" + helper);
        }
    }
    SetCurrentDirectoryA("C:\\");

    // Windows 98 installs without a reader; the others find none without setup.ini.
    // Either way a quiet installation that cannot know its folder tells its caller.
    for (const char* family : {"win98", "winxp", "vista"}) {
        SCOPED_TRACE(family);
        SetWindowsFamily(family);
        RunResult run = disc.RunSetup("-q");
        ASSERT_TRUE(run.started) << "Wine starts no program from " << disc.Folder();
        EXPECT_TRUE(Finished(run));
        EXPECT_EQ("test ...\n", run.output);
        EXPECT_EQ(ExitCodeName(2), ExitCodeName(run.exitCode)) << "the installation had no disc folder";
        for (const std::string& folder : above) EXPECT_TRUE(Disc(folder).HelperRuns().empty()) << folder;
        EXPECT_FALSE(FileExists(WindowsDir() + "\\TRAYM.exe"));
        EXPECT_NO_REG_VALUE(HKEY_LOCAL_MACHINE, RUN_KEY, "HidMonitor");
        EXPECT_FALSE(FolderExists(ProgramsDir() + "\\ZELK"));
    }
    EXPECT_REG_SZ(HKEY_LOCAL_MACHINE, USB_ICON, "Icon Name", "ZELKI_J.dll") << "Windows 98 wrote its settings";
}

// The product's folder and the icon library named in the system's code page, each name
// ending in a second byte of 0x5C: "一覧表" in code page 932, "許" in Big5.
TEST(DoubleByte, ProductAndFileNamesInTheSystemsCodePage) {
    const UINT codePage = GetACP();
    ASSERT_TRUE(codePage == 932 || codePage == 950) << "needs a Japanese or Traditional Chinese system";
    const std::string name = codePage == 932 ? "\x88\xea\x97\x97\x95\x5c" : "\xb3\x5c";
    SetWindowsFamily("winxp");
    SetHelperBehaviour(0, 0);
    Disc disc;
    disc.Lay("[Vendors]\r\nVendor0=VID_1234&PID_ABCD\r\n[Pre_Define]\r\nVendorName=Acme\r\nProductName=" + name +
             "\r\n[Win2KXP_FileName]\r\nFileName_ICON=" + name + ".dll\r\n");
    CopyFileOver(disc.Path("ZELKI_J.dll"), disc.Path(name + ".dll"));
    VirtualReader reader;
    PlugIn(reader);

    RunResult install = disc.RunSetup("-q");
    EXPECT_TRUE(Finished(install));
    EXPECT_EQ(ExitCodeName(0), ExitCodeName(install.exitCode));
    const std::string menu = ProgramsDir() + "\\Acme\\" + name;
    const std::string program = ProgramFilesDir() + "\\Acme\\" + name;
    Shortcut shortcut = ReadShortcut(menu + "\\Uninstall.lnk");
    ASSERT_TRUE(shortcut.loaded);
    EXPECT_EQ(program + "\\Setup.exe", shortcut.target);
    EXPECT_EQ("-u", shortcut.arguments);
    EXPECT_TRUE(SameFile(disc.Path("Setup.exe"), program + "\\Setup.exe"));
    EXPECT_TRUE(SameFile(disc.Path("setup.ini"), program + "\\Setup.ini"));
    EXPECT_EQ(ReadFileText(disc.Path(name + ".dll")), ReadFileText(WindowsDir() + "\\" + name + ".dll"));
    EXPECT_REG_SZ(HKEY_LOCAL_MACHINE, PARAMETERS, "IconName_ABCD1234", name + ".dll");

    RunResult removal = disc.RunSetup("-q -u");
    EXPECT_TRUE(Finished(removal));
    EXPECT_EQ(ExitCodeName(0), ExitCodeName(removal.exitCode));
    EXPECT_FALSE(FileExists(menu + "\\Uninstall.lnk"));
    EXPECT_FALSE(FolderExists(ProgramsDir() + "\\Acme"));
    EXPECT_FALSE(FileExists(program + "\\Setup.ini"));
    EXPECT_FALSE(FileExists(WindowsDir() + "\\" + name + ".dll"));
    EXPECT_FALSE(IsPluggedIn(reader));
}
