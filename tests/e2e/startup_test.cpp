// What Setup.exe makes of its command line and of setup.ini's [Vendors] list before it
// installs anything, and its self-registration. Windows XP.
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

namespace {

const char APP_ID[] = "{6A2C7D14-93E5-4B08-B1F6-2D47C9E05A83}";

std::string SetupIni(const std::string& vendors) {
    return "[Vendors]\r\n" + vendors + "[Pre_Define]\r\nVendorName=Acme\r\nProductName=Card Reader\r\nXDIcon=1\r\n";
}

VirtualReader ReaderWithId(const std::string& hardwareId) {
    VirtualReader reader;
    reader.hardwareId = hardwareId;
    return reader;
}

class Startup : public ::testing::Test {
protected:
    void SetUp() override {
        SetWindowsFamily("winxp");
        SetHelperBehaviour(0, 0);
        disc.Lay(SetupIni("Vendor0=VID_1234&PID_ABCD\r\n"));
    }

    // A quiet run of Setup.exe that must end with this exit code.
    void Quiet(const std::string& arguments, DWORD exitCode = 0) const {
        RunResult run = disc.RunSetup(arguments);
        EXPECT_TRUE(Finished(run)) << arguments;
        EXPECT_EQ("test ...\n", run.output) << arguments;
        EXPECT_EQ(ExitCodeName(exitCode), ExitCodeName(run.exitCode)) << arguments;
    }

    // Nothing of an installation: no helper run beyond `helperRuns`, no settings, no files.
    void ExpectNothingInstalled(size_t helperRuns = 0) const {
        EXPECT_EQ(helperRuns, disc.HelperRuns().size());
        EXPECT_TRUE(ValueNames(HKEY_LOCAL_MACHINE, PARAMETERS).empty());
        EXPECT_FALSE(FileExists(iconLibrary));
        EXPECT_FALSE(FolderExists(ProgramsDir() + "\\Acme"));
        EXPECT_FALSE(FileExists(program + "\\Setup.ini"));
    }

    void ExpectInstalledFor(const std::string& iconValue) const {
        EXPECT_REG_SZ(HKEY_LOCAL_MACHINE, PARAMETERS, "SD Name", "SD Drive");
        EXPECT_REG_SZ(HKEY_LOCAL_MACHINE, PARAMETERS, iconValue, "ZELKI_J.dll");
        EXPECT_EQ(9u, ValueNames(HKEY_LOCAL_MACHINE, PARAMETERS).size());
        EXPECT_TRUE(SameFile(disc.Path("ZELKI_J.dll"), iconLibrary));
        EXPECT_TRUE(SameFile(disc.Path("setup.ini"), program + "\\Setup.ini"));
        EXPECT_EQ(program + "\\Setup.exe", ReadShortcut(menu + "\\Uninstall.lnk").target);
    }

    // With this [Vendors] list and `reader` plugged in, neither -q nor -q -u touches anything.
    void ExpectNoReaderFound(const std::string& vendors, const VirtualReader& reader) {
        disc.WriteSetupIni(SetupIni(vendors));
        PlugIn(reader);
        Quiet("-q", 4);
        Quiet("-q -u", 4);
        ExpectNothingInstalled();
        EXPECT_TRUE(IsPluggedIn(reader)) << vendors;
        Unplug(reader);
    }

    // The XP helper's only run so far was for `device`, and installed for `iconValue`.
    void ExpectXpInstallationFor(const std::string& device, const std::string& iconValue) const {
        auto runs = disc.HelperRuns();
        ASSERT_EQ(1u, runs.size());
        EXPECT_EQ(disc.HelperCommandLine("Tarnel2k.exe", "\\Win2KXP\\ZELK6SK.inf", device), runs[0].title);
        ExpectInstalledFor(iconValue);
    }

    Disc disc;
    const std::string iconLibrary = WindowsDir() + "\\ZELKI_J.dll";
    const std::string menu = ProgramsDir() + "\\Acme\\Card Reader";
    const std::string program = ProgramFilesDir() + "\\Acme\\Card Reader";
};

}  // namespace

TEST_F(Startup, QuietSwitches) {
    Quiet("-q", 4);
    ExpectNothingInstalled();

    VirtualReader reader;
    PlugIn(reader);
    Quiet("-QUIET");
    ExpectXpInstallationFor("VID_1234&PID_ABCD", "IconName_ABCD1234");

    Quiet("-Uninstall -Q");
    EXPECT_TRUE(ValueNames(HKEY_LOCAL_MACHINE, PARAMETERS).empty());
    EXPECT_FALSE(FileExists(iconLibrary));
    EXPECT_FALSE(FolderExists(ProgramsDir() + "\\Acme"));
    EXPECT_FALSE(IsPluggedIn(reader));
    EXPECT_EQ(1u, disc.HelperRuns().size());
}

TEST_F(Startup, VendorList) {
    // Nine entries, none plugged in; the plugged reader is only Vendor9's.
    std::string nine;
    for (int i = 0; i < 9; ++i) nine += "Vendor" + std::to_string(i) + "=VID_000" + std::to_string(i) + "&PID_0001\r\n";
    ExpectNoReaderFound(nine + "Vendor9=VID_1234&PID_ABCD\r\n", VirtualReader());
    // An empty Vendor0 ends the list before a plugged Vendor1.
    ExpectNoReaderFound("Vendor0=\r\nVendor1=VID_1234&PID_ABCD\r\n", VirtualReader());
    // An id followed by more digits is another device.
    ExpectNoReaderFound("Vendor0=VID_1234&PID_ABCD\r\n", ReaderWithId("USB\\VID_1234&PID_ABCDE"));

    {   // Only the second entry is plugged in; XP passes the entry as written.
        disc.WriteSetupIni(SetupIni("Vendor0=VID_AAAA&PID_0001\r\nVendor1=VID_BBBB&PID_0002\r\n"));
        VirtualReader second = ReaderWithId("USB\\VID_BBBB&PID_0002");
        PlugIn(second);
        Quiet("-q");
        ExpectXpInstallationFor("VID_BBBB&PID_0002", "IconName_0002BBBB");
        Quiet("-q -u");
        EXPECT_FALSE(IsPluggedIn(second));
        EXPECT_TRUE(ValueNames(HKEY_LOCAL_MACHINE, PARAMETERS).empty());
    }
    {   // A lower-case entry finds the reader; Vista passes the upper-cased hardware id.
        disc.WriteSetupIni(SetupIni("Vendor0=vid_1234&pid_abcd\r\n"));
        VirtualReader reader;
        PlugIn(reader);
        Quiet("-q");
        SetWindowsFamily("vista");
        Quiet("-q");
        auto runs = disc.HelperRuns();
        ASSERT_EQ(3u, runs.size());
        EXPECT_EQ(disc.HelperCommandLine("Tarnel2k.exe", "\\Win2KXP\\ZELK6SK.inf", "vid_1234&pid_abcd"), runs[1].title);
        // A 64-bit process (the twin build) sees Vista as Vista 64-bit.
        const bool vista64 = Is64BitWindows();
        EXPECT_EQ(disc.HelperCommandLine(vista64 ? "Tarnel64.exe" : "Tarnel2k.exe",
                                         vista64 ? "\\VISTA64\\ZELK6SK.inf" : "\\VISTA\\ZELK6SK.inf",
                                         "USB\\VID_1234&PID_ABCD"),
                  runs[2].title);
        ExpectInstalledFor("IconName_ABCD1234");
    }
}

TEST_F(Startup, SelfRegistration) {
    const std::string idKey = std::string("AppID\\") + APP_ID;
    const std::string exeKey = "AppID\\QSW.EXE";
    WriteString(HKEY_CLASSES_ROOT, "AppID\\Other.exe", "AppID", "{00000000-0000-0000-0000-000000000001}");
    VirtualReader reader;
    PlugIn(reader);

    RunResult reg = disc.RunSetup("/RegServer");
    EXPECT_TRUE(Finished(reg));
    EXPECT_EQ("", reg.output);
    EXPECT_EQ(ExitCodeName(0), ExitCodeName(reg.exitCode));
    EXPECT_REG_SZ(HKEY_CLASSES_ROOT, idKey, "", "QSW");
    EXPECT_EQ(1u, ValueNames(HKEY_CLASSES_ROOT, idKey).size());
    EXPECT_REG_SZ(HKEY_CLASSES_ROOT, exeKey, "AppID", APP_ID);
    EXPECT_EQ(1u, ValueNames(HKEY_CLASSES_ROOT, exeKey).size());
    ExpectNothingInstalled();

    RunResult unreg = disc.RunSetup("-unregserver");
    EXPECT_TRUE(Finished(unreg));
    EXPECT_EQ("", unreg.output);
    EXPECT_EQ(ExitCodeName(0), ExitCodeName(unreg.exitCode));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, idKey));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, exeKey));
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, "AppID"));
    EXPECT_REG_SZ(HKEY_CLASSES_ROOT, "AppID\\Other.exe", "AppID", "{00000000-0000-0000-0000-000000000001}");

    RunResult embedding = disc.RunSetup("-Embedding");
    EXPECT_TRUE(Finished(embedding));
    EXPECT_EQ("", embedding.output);
    EXPECT_EQ(ExitCodeName(0), ExitCodeName(embedding.exitCode));
    ExpectNothingInstalled();

    // Only a line that ends with the request registers: this one installs quietly.
    Quiet("/RegServer -q");
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, idKey));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, exeKey));
    EXPECT_EQ(1u, disc.HelperRuns().size());
    ExpectInstalledFor("IconName_ABCD1234");
}
