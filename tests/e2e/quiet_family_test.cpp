// A quiet installation and then a quiet removal with the real Setup.exe, on the Windows
// family named by SETUP_FAMILY (win98, winme, win2k, winxp, winxp64, vista, win7).
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "disc.h"
#include "files.h"
#include "footprint.h"
#include "names.h"
#include "registry.h"
#include "shortcut.h"
#include "virtual_reader.h"

using namespace support;

namespace {

const char DRIVE_ICONS[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\DriveIcons";

struct Family {
    std::string helper;
    bool windows98Path;       // quoted helper, "ENUM\" before the id, four copies
    std::string infPath;
    bool vendorEntryArgument; // 2000, XP, XP x64: the [Vendors] entry as written
    bool trayMonitor;
    bool driveNames;          // XP and later
    bool ntSwitches;          // 2000 and later
};

const std::map<std::string, Family> FAMILIES = {
    {"win98", {"Tarnel98.exe", true, "\\Win9xME\\ZELK6S.inf", false, true, false, false}},
    {"winme", {"Tarnel2k.exe", false, "\\Win9xME\\ZELK6S.inf", false, true, false, false}},
    {"win2k", {"Tarnel2k.exe", false, "\\Win2KXP\\ZELK6SK.inf", true, false, false, true}},
    {"winxp", {"Tarnel2k.exe", false, "\\Win2KXP\\ZELK6SK.inf", true, false, true, true}},
    {"winxp64", {"Tarnel64.exe", false, "\\AMD64\\ZELK6SK.inf", true, false, true, true}},
    {"vista", {"Tarnel2k.exe", false, "\\VISTA\\ZELK6SK.inf", false, false, true, true}},
    {"win7", {"Tarnel64.exe", false, "\\VISTA64\\ZELK6SK.inf", false, false, true, true}},
};

const char SETUP_INI[] =
    "[Vendors]\r\n"
    "Vendor0=Vid_1234&Pid_ABCD\r\n"
    "[Pre_Define]\r\n"
    "VendorName=Acme\r\n"
    "ProductName=Card Reader\r\n"
    "XDIcon=1\r\n"
    "PNP_Mode=1\r\n"
    "[Win9XME_JOVName]\r\n"
    "JOV_NAME=ACME\r\n";

std::string FamilyName() {
    char name[32] = {};
    GetEnvironmentVariableA("SETUP_FAMILY", name, sizeof name);
    return name;
}

// The folder Windows keeps its own drivers in, as this process names it: a 32-bit
// process on 64-bit Windows sees SysWOW64 as system32.
std::string RealDriversFolder() {
    return WindowsDir() + (RunsUnderWow64() ? "\\Sysnative\\drivers" : "\\system32\\drivers");
}

// Vista seen by a 64-bit process (the twin build) is Vista 64-bit.
std::string FamilyAsSeen(const std::string& name) {
    return name == "vista" && sizeof(void*) == 8 ? "win7" : name;
}

}  // namespace

TEST(QuietFamily, InstallsThenRemoves) {
    const std::string name = FamilyName();
    ASSERT_TRUE(FAMILIES.count(name)) << "SETUP_FAMILY names no family: '" << name << "'";
    const Family& family = FAMILIES.at(FamilyAsSeen(name));
    SetWindowsFamily(name);
    SetHelperBehaviour(0, 0);

    const bool win98 = name == "win98";
    const std::string win = WindowsDir();
    // Windows 98 names Program Files by its short name, which Wine does not make.
    const std::string programFiles = win98 ? "C:\\Progra~1" : ProgramFilesDir();
    if (win98) CreateFolders(programFiles);
    CreateFolders(SystemDir() + "\\iosubsys");

    Disc disc("C:\\Driver Disc");
    disc.Lay(SETUP_INI);
    disc.MakeReadOnly();
    VirtualReader reader;
    PlugIn(reader);
    // A read-only copy from an earlier installation is overwritten.
    WriteFileText(win + "\\ZELKI_J.dll", "old icon library");
    MakeReadOnly(win + "\\ZELKI_J.dll");
    // On Windows 98 the helper replaces the earlier driver: it finds it writable.
    const std::string sys = win + "\\system32\\drivers\\ZELK6S.sys";
    if (win98) {
        WriteFileText(sys, "earlier driver");
        MakeReadOnly(sys);
        SetEnv("STUB_WATCH", sys);
    }

    RunResult install = disc.RunSetup("-q");
    ASSERT_TRUE(Finished(install));
    EXPECT_EQ("test ...\n", install.output);
    EXPECT_EQ(ExitCodeName(0), ExitCodeName(install.exitCode));

    // The helper and its exact command line.
    auto runs = disc.HelperRuns();
    ASSERT_EQ(1u, runs.size());
    EXPECT_EQ(disc.Path(family.helper), runs[0].program);
    const std::string device = family.vendorEntryArgument ? "Vid_1234&Pid_ABCD" : "USB\\VID_1234&PID_ABCD";
    EXPECT_EQ(disc.HelperCommandLine(family.helper, family.infPath, device, family.windows98Path), runs[0].title);
    if (win98) EXPECT_EQ("writable", runs[0].watched) << sys << " when the helper started";

    // Registry: this family's values, with their types and bytes, and nothing of another.
    if (family.ntSwitches) {
        std::string names[] = {"SD Name", "MS Name", "SM Name", "CF Name", "XD Name"};
        for (const std::string& slot : names) {
            if (family.driveNames) {
                EXPECT_REG_SZ(HKEY_LOCAL_MACHINE, PARAMETERS, slot, slot.substr(0, 2) + " Drive");
            } else {
                EXPECT_NO_REG_VALUE(HKEY_LOCAL_MACHINE, PARAMETERS, slot);
            }
        }
        EXPECT_REG_DWORD(HKEY_LOCAL_MACHINE, PARAMETERS, "PnPDisk", 0) << "a quiet run never turns PNP Disk on";
        EXPECT_REG_SZ(HKEY_LOCAL_MACHINE, PARAMETERS, "IconName_ABCD1234", "ZELKI_J.dll");
        EXPECT_REG_DWORD(HKEY_LOCAL_MACHINE, PARAMETERS, "IconExist", 1);
        EXPECT_REG_DWORD(HKEY_LOCAL_MACHINE, PARAMETERS, "XDIcon", 1);
        EXPECT_EQ(family.driveNames ? 9u : 4u, ValueNames(HKEY_LOCAL_MACHINE, PARAMETERS).size());
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, USB_ICON));
    } else {
        EXPECT_REG_SZ(HKEY_LOCAL_MACHINE, USB_ICON, "Icon Name", "ZELKI_J.dll");
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, PARAMETERS));
    }
    if (family.trayMonitor) {
        EXPECT_REG_SZ(HKEY_LOCAL_MACHINE, RUN_KEY, "HidMonitor", win + "\\TRAYM.exe");
        EXPECT_TRUE(SameFile(disc.Path("TRAYM.exe"), win + "\\TRAYM.exe"));
    } else {
        EXPECT_NO_REG_VALUE(HKEY_LOCAL_MACHINE, RUN_KEY, "HidMonitor");
        EXPECT_FALSE(FileExists(win + "\\TRAYM.exe"));
    }

    // Files: the icon library everywhere, the four copies of the 98 path.
    EXPECT_TRUE(SameFile(disc.Path("ZELKI_J.dll"), win + "\\ZELKI_J.dll"));
    const std::string pdr = SystemDir() + "\\iosubsys\\ZELK6Sp.pdr";
    const std::string diskInf = win + "\\inf\\ZELKDISK.inf";
    if (family.windows98Path) {
        EXPECT_TRUE(SameFile(disc.Path("Win9xME\\ZELK6S.sys"), sys));
        EXPECT_TRUE(SameFile(disc.Path("Win9xME\\ZELK6SP.pdr"), pdr));
        EXPECT_TRUE(SameFile(disc.Path("Win9xME\\ZELKDISK.inf"), diskInf));
    } else {
        EXPECT_FALSE(FileExists(sys));
        EXPECT_FALSE(FileExists(pdr));
        EXPECT_FALSE(FileExists(diskInf));
    }

    // The uninstall entry.
    const std::string menu = ProgramsDir() + "\\Acme\\Card Reader";
    const std::string program = programFiles + "\\Acme\\Card Reader";
    EXPECT_TRUE(SameFile(disc.Path("Setup.exe"), program + "\\Setup.exe"));
    EXPECT_TRUE(SameFile(disc.Path("setup.ini"), program + "\\Setup.ini"));
    Shortcut shortcut = ReadShortcut(menu + "\\Uninstall.lnk");
    ASSERT_TRUE(shortcut.loaded);
    EXPECT_EQ(program + "\\Setup.exe", shortcut.target);
    EXPECT_EQ("-u", shortcut.arguments);
    EXPECT_EQ(program + "\\Setup.exe", shortcut.iconFile);
    EXPECT_EQ(4, shortcut.iconIndex);

    // The disc's files are read-only; every copy made from them is writable.
    std::vector<std::string> copies = {win + "\\ZELKI_J.dll", program + "\\Setup.exe", program + "\\Setup.ini"};
    if (family.trayMonitor) copies.push_back(win + "\\TRAYM.exe");
    if (family.windows98Path) copies.insert(copies.end(), {sys, pdr, diskInf});
    for (const std::string& copy : copies) EXPECT_FALSE(IsReadOnly(copy)) << copy;
    // An installation made before copies ended writable is removed all the same.
    for (const std::string& copy : copies) MakeReadOnly(copy);

    // Removal, on the same machine, with the driver store as Windows leaves it.
    const std::string nativeSys = RealDriversFolder() + "\\ZELK6SK.sys";
    if (family.ntSwitches) {
        SeedDriverStore(reader, "ZELK", "oem3.inf");
        WriteFileText(nativeSys, "driver installed by the helper");
        for (const char* copy : {"\\inf\\oem3.inf", "\\inf\\oem3.pnf"}) MakeReadOnly(win + copy);
        MakeReadOnly(nativeSys);
    } else {
        WriteFileText(win + "\\inf\\other\\ACMEZELK6S.inf", "Windows 98's copy of the driver's INF");
        MakeReadOnly(win + "\\inf\\other\\ACMEZELK6S.inf");
    }
    if (name == "win2k") {
        WriteString(HKEY_LOCAL_MACHINE, std::string(DRIVE_ICONS) + "\\E\\DefaultIcon", "", win + "\\ZELKI_J.dll,3");
        WriteString(HKEY_LOCAL_MACHINE, std::string(DRIVE_ICONS) + "\\F\\DefaultIcon", "", "C:\\other.dll,0");
    }

    RunResult removal = disc.RunSetup("-q -u");
    ASSERT_TRUE(Finished(removal));
    EXPECT_EQ("test ...\n", removal.output);
    EXPECT_EQ(ExitCodeName(0), ExitCodeName(removal.exitCode));
    EXPECT_EQ(1u, disc.HelperRuns().size()) << "a removal never installs";

    if (family.ntSwitches) {
        auto left = ValueNames(HKEY_LOCAL_MACHINE, PARAMETERS);
        if (name == "win2k") {
            ASSERT_EQ(1u, left.size());
            EXPECT_EQ("XDIcon", left[0]);
            EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, std::string(DRIVE_ICONS) + "\\E"));
            EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, std::string(DRIVE_ICONS) + "\\F\\DefaultIcon"));
        } else {
            EXPECT_TRUE(left.empty()) << left.size() << " values left";
        }
        EXPECT_FALSE(FileExists(win + "\\inf\\oem3.inf"));
        EXPECT_FALSE(FileExists(win + "\\inf\\oem3.pnf"));
        EXPECT_FALSE(FileExists(nativeSys));
    } else {
        EXPECT_NO_REG_VALUE(HKEY_LOCAL_MACHINE, USB_ICON, "Icon Name");
        EXPECT_FALSE(FileExists(win + "\\inf\\other\\ACMEZELK6S.inf"));
        EXPECT_FALSE(FileExists(sys));
        EXPECT_FALSE(FileExists(pdr));
        EXPECT_FALSE(FileExists(diskInf));
    }
    EXPECT_FALSE(FileExists(win + "\\ZELKI_J.dll"));
    EXPECT_FALSE(FileExists(menu + "\\Uninstall.lnk"));
    EXPECT_FALSE(FolderExists(menu));
    EXPECT_FALSE(FolderExists(ProgramsDir() + "\\Acme"));
    EXPECT_FALSE(FileExists(program + "\\Setup.ini"));
    EXPECT_TRUE(FileExists(program + "\\Setup.exe")) << "the copy the removal may run from stays";
    if (family.trayMonitor) {
        EXPECT_REG_SZ(HKEY_LOCAL_MACHINE, RUN_KEY, "HidMonitor", win + "\\TRAYM.exe");
        EXPECT_TRUE(FileExists(win + "\\TRAYM.exe"));
    }
    EXPECT_FALSE(IsPluggedIn(reader));
}

// The disc as its users hold it: a CD in drive D:, Setup.exe at its root, every file
// read-only, started by a deployment tool. Installing and then removing leaves nothing
// of ours but what the removal keeps by design, and the disc as it was.
TEST(FromCd, InstallsThenRemovesQuietly) {
    const std::string name = FamilyName();
    ASSERT_TRUE(FAMILIES.count(name)) << "SETUP_FAMILY names no family: '" << name << "'";
    const Family& family = FAMILIES.at(FamilyAsSeen(name));
    ASSERT_EQ(static_cast<UINT>(DRIVE_CDROM), GetDriveTypeA("D:\\")) << "D: is no CD-ROM drive (wine-run --cdrom)";
    ASSERT_TRUE(IsReadOnly("D:\\Setup.exe"));
    SetWindowsFamily(name);
    SetHelperBehaviour(0, 0);
    const bool win98 = name == "win98";
    const std::string win = WindowsDir();
    const std::string programFiles = win98 ? "C:\\Progra~1" : ProgramFilesDir();
    if (win98) CreateFolders(programFiles);
    CreateFolders(SystemDir() + "\\iosubsys");

    Disc cd("D:");
    cd.KeepHelperLogAt("C:\\helper.log");
    CreateFolders(win + "\\inf\\other");
    const std::vector<std::string> discFiles = FilesUnder("D:");
    VirtualReader reader;
    PlugIn(reader);
    const Footprint before = TakeFootprint();

    RunResult install = cd.RunSetup("-q");
    ASSERT_TRUE(install.finished);
    EXPECT_EQ("test ...\n", install.output);
    EXPECT_EQ(0u, install.exitCode);
    auto runs = cd.HelperRuns();
    ASSERT_EQ(1u, runs.size());
    EXPECT_EQ("D:\\" + family.helper, runs[0].program);
    const std::string device = family.vendorEntryArgument ? "VID_1234&PID_ABCD" : "USB\\VID_1234&PID_ABCD";
    EXPECT_EQ(cd.HelperCommandLine(family.helper, family.infPath, device, family.windows98Path), runs[0].title);

    // Every file the installation made is writable.
    const std::string program = programFiles + "\\JOV\\QM4410 Card Reader";
    const std::vector<std::string> made = WithoutSystemNoise(Added(before, TakeFootprint()));
    EXPECT_NE(made.end(), std::find(made.begin(), made.end(), program + "\\Setup.ini"));
    for (const std::string& entry : made) {
        if (entry.rfind("C:", 0) == 0 && entry.back() != '\\') EXPECT_FALSE(IsReadOnly(entry)) << entry;
    }

    // What Windows itself leaves for the driver the helper installed.
    if (family.ntSwitches) {
        SeedDriverStore(reader, "ZELK", "oem3.inf");
        WriteFileText(RealDriversFolder() + "\\ZELK6SK.sys", "driver installed by the helper");
    } else {
        WriteFileText(win + "\\inf\\other\\JOVZELK6S.inf", "Windows 98's copy of the driver's INF");
    }

    RunResult removal = cd.RunSetup("-q -u");
    ASSERT_TRUE(removal.finished);
    EXPECT_EQ("test ...\n", removal.output);
    EXPECT_EQ(0u, removal.exitCode);
    EXPECT_EQ(1u, cd.HelperRuns().size()) << "a removal never installs";

    const Footprint after = TakeFootprint();
    std::vector<std::string> kept = KeptByRemoval(program, !family.ntSwitches);
    kept.push_back("C:\\helper.log");
    EXPECT_TRUE(RemovedCleanly(before, after, kept, reader));
    EXPECT_FALSE(IsPluggedIn(reader));
    EXPECT_EQ(discFiles, FilesUnder("D:")) << "the disc changed";
}
