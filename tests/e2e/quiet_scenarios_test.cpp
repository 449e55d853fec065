// Quiet installations and removals off the beaten path: a helper that fails, a second
// installation, files deleted by hand, a reader unplugged, the drive names, setup.ini
// names aimed outside the Windows folders, a setup.ini full of junk, Windows 98 without
// a reader. Windows XP unless a scenario says otherwise.
#include <gtest/gtest.h>

#include <cstdint>
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


const std::vector<std::string> BUILT_IN_NAMES = {"SD Drive", "MS Drive", "SM Drive", "CF Drive", "XD Drive"};

std::string SetupIni(const std::string& preDefine = "XDIcon=1\r\n", const std::string& sections = "") {
    return "[Vendors]\r\nVendor0=VID_1234&PID_ABCD\r\n"
           "[Pre_Define]\r\nVendorName=Acme\r\nProductName=Card Reader\r\n" +
           preDefine + sections;
}

#define EXPECT_QUIET_END(run, code)                                    \
    do {                                                               \
        const RunResult& ended_ = (run);                               \
        EXPECT_TRUE(Finished(ended_));                                 \
        EXPECT_EQ("test ...\n", ended_.output);                        \
        EXPECT_EQ(ExitCodeName(code), ExitCodeName(ended_.exitCode));  \
    } while (0)

// The XP drive settings in the order SD, MS, SM, CF, XD, and nothing else.
void ExpectDriveSettings(const std::vector<std::string>& names, DWORD xdIcon = 1) {
    const char* const slots[] = {"SD Name", "MS Name", "SM Name", "CF Name", "XD Name"};
    for (int i = 0; i < 5; ++i) EXPECT_REG_SZ(HKEY_LOCAL_MACHINE, PARAMETERS, slots[i], names[i]);
    EXPECT_REG_DWORD(HKEY_LOCAL_MACHINE, PARAMETERS, "PnPDisk", 0);
    EXPECT_REG_SZ(HKEY_LOCAL_MACHINE, PARAMETERS, "IconName_ABCD1234", "ZELKI_J.dll");
    EXPECT_REG_DWORD(HKEY_LOCAL_MACHINE, PARAMETERS, "IconExist", 1);
    EXPECT_REG_DWORD(HKEY_LOCAL_MACHINE, PARAMETERS, "XDIcon", xdIcon);
    EXPECT_EQ(9u, ValueNames(HKEY_LOCAL_MACHINE, PARAMETERS).size());
}

std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

std::string FullPath(const std::string& path) {
    char full[MAX_PATH];
    DWORD length = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    return std::string(full, length);
}

// A REG_SZ read through the wide interface: type and UTF-16 text with its terminator.
bool HasWideSz(const std::string& key, const std::wstring& name, const std::wstring& expected) {
    HKEY handle;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_QUERY_VALUE, &handle) != ERROR_SUCCESS) return false;
    WCHAR data[256] = {};
    DWORD type = 0, size = sizeof data;
    LONG status = RegQueryValueExW(handle, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(handle);
    return status == ERROR_SUCCESS && type == REG_SZ && size == (expected.size() + 1) * sizeof(WCHAR) &&
           std::wstring(data) == expected;
}

// Bytes that stay on one line of setup.ini: letters, separators, dots, format
// directives, double-byte lead bytes.
std::string Filler(size_t length, uint32_t seed) {
    static const char pieces[] = "AZaz09\\/.:%s%n&_ \x81\x40\x95\x5C\xE4\xFE";
    std::string text;
    for (size_t i = 0; i < length; ++i) {
        seed = seed * 1103515245u + 12345u;
        text += pieces[(seed >> 16) % (sizeof pieces - 1)];
    }
    return text;
}

std::string RandomBytes(size_t length, uint32_t seed) {
    std::string bytes;
    for (size_t i = 0; i < length; ++i) {
        seed = seed * 1664525u + 1013904223u;
        bytes += static_cast<char>(seed >> 24);
    }
    return bytes;
}

// Every key Setup.exe reads, each value `length` bytes of filler; the reader's entry second.
std::string LongValues(size_t length) {
    const char* const keys[][2] = {
        {"Version", "VersionDesc"},        {"Vendors", "Vendor0"},
        {"Pre_Define", "PNP_Mode"},        {"Pre_Define", "XDIcon"},
        {"Pre_Define", "VendorName"},      {"Pre_Define", "ProductName"},
        {"Pre_Define", "AddRemoveEntry"},
        {"Win2KXP_DriveName", "CF_Name"},  {"Win2KXP_DriveName", "SD_Name"},
        {"Win2KXP_DriveName", "MS_Name"},  {"Win2KXP_DriveName", "SM_Name"},
        {"Win2KXP_DriveName", "XD_Name"},  {"Win9XME_INFPath", "INFPath"},
        {"Win9XME_INFPath", "INFPath_DISK"}, {"Win9XME_DRVPath", "DRVPath_SYS"},
        {"Win9XME_DRVPath", "DRVPath_PDR"}, {"Win9XME_FileName", "FileName_SYS"},
        {"Win9XME_FileName", "FileName_PDR"}, {"Win9XME_FileName", "FileName_INF"},
        {"Win9XME_FileName", "FileName_INF_DISK"}, {"Win9XME_FileName", "FileName_ICON"},
        {"Win9XME_JOVName", "JOV_NAME"},   {"Win2KXP_INFPath", "INFPath"},
        {"WinXP64_INFPath", "INFPath"},    {"Vista_INFPath", "INFPath"},
        {"Vista64_INFPath", "INFPath"},    {"Win2KXP_FileName", "FileName_SYS"},
        {"Win2KXP_FileName", "FileName_ICON"},
    };
    std::string text;
    std::string section;
    uint32_t seed = static_cast<uint32_t>(length);
    for (const auto& key : keys) {
        if (section != key[0]) {
            section = key[0];
            text += "[" + section + "]\r\n";
            if (section == "Vendors") text += "Vendor1=VID_1234&PID_ABCD\r\n";
            if (section == "Win2KXP_DriveName") text += "UserDefine=1" + Filler(length, seed) + "\r\n";
        }
        text += std::string(key[1]) + "=" + Filler(length, ++seed) + "\r\n";
    }
    return text;
}

// A section name and a line far longer than any buffer, NULs inside values, and a
// last line without its end.
std::string LongLinesAndNuls() {
    std::string nul(1, '\0');
    return "[" + std::string(10000, 'S') + "]\r\nkey=" + std::string(100000, 'v') +
           "\r\n[Vendors]\r\nVendor0=VID_1234&PID_ABCD\r\nVendor1=VID_" + nul + "1234\r\n"
           "[Pre_Define]\r\nVendorName=Ac" + nul + "me\r\nProductName=" + std::string(3000, 'P') + "\r\n"
           "XDIcon=99999999999999999999\r\nPNP_Mode=-99999999999\r\n"
           "[Win2KXP_DriveName" + nul + "]\r\nUserDefine=1\r\n"
           "[Win2KXP_FileName]\r\nFileName_ICON=" + std::string(5000, 'I') + "\r\n[" + std::string(200000, 'x');
}

class QuietScenario : public ::testing::Test {
protected:
    void SetUp() override {
        SetWindowsFamily("winxp");
        SetHelperBehaviour(0, 0);
        disc.Lay(SetupIni());
        PlugIn(reader);
    }

    // Windows 98 names Program Files by its short name, which Wine does not make.
    void UseWindows98() {
        SetWindowsFamily("win98");
        program = "C:\\Progra~1\\Acme\\Card Reader";
        CreateFolders("C:\\Progra~1");
        CreateFolders(SystemDir() + "\\iosubsys");
    }

    std::string XpHelperLine() const {
        return disc.HelperCommandLine("Tarnel2k.exe", "\\Win2KXP\\ZELK6SK.inf", "VID_1234&PID_ABCD");
    }

    void ExpectUninstallEntry() const {
        EXPECT_TRUE(SameFile(disc.Path("Setup.exe"), program + "\\Setup.exe"));
        EXPECT_TRUE(SameFile(disc.Path("setup.ini"), program + "\\Setup.ini"));
        EXPECT_EQ(std::vector<std::string>{"Uninstall.lnk"}, FilesIn(menu));
        Shortcut shortcut = ReadShortcut(menu + "\\Uninstall.lnk");
        EXPECT_TRUE(shortcut.loaded);
        EXPECT_EQ(program + "\\Setup.exe", shortcut.target);
        EXPECT_EQ("-u", shortcut.arguments);
    }

    // All of an XP installation of the sample disc after the helper's `runs`-th run.
    void ExpectXpInstallation(size_t runs) const {
        auto seen = disc.HelperRuns();
        ASSERT_EQ(runs, seen.size());
        EXPECT_EQ(XpHelperLine(), seen.back().title);
        ExpectDriveSettings(BUILT_IN_NAMES);
        EXPECT_TRUE(SameFile(disc.Path("ZELKI_J.dll"), iconLibrary));
        ExpectUninstallEntry();
    }

    Disc disc;
    VirtualReader reader;
    const std::string win = WindowsDir();
    const std::string iconLibrary = win + "\\ZELKI_J.dll";
    const std::string menu = ProgramsDir() + "\\Acme\\Card Reader";
    std::string program = ProgramFilesDir() + "\\Acme\\Card Reader";
};

}  // namespace

TEST_F(QuietScenario, HelperThatCannotStart) {
    disc.Remove("Tarnel2k.exe");
    RunResult run = disc.RunSetup("-q");
    EXPECT_QUIET_END(run, 2);
    EXPECT_TRUE(disc.HelperRuns().empty());
    ExpectDriveSettings(BUILT_IN_NAMES);
    EXPECT_FALSE(FileExists(iconLibrary)) << "no copies without the helper";
    ExpectUninstallEntry();
}

TEST_F(QuietScenario, HelperThatFails) {
    SetHelperBehaviour(0, 5);
    RunResult run = disc.RunSetup("-q");
    EXPECT_QUIET_END(run, 0);
    ExpectXpInstallation(1);
}

TEST_F(QuietScenario, SecondInstallationOverTheFirst) {
    EXPECT_QUIET_END(disc.RunSetup("-q"), 0);
    // As an older disc left them: the second installation brings its own.
    WriteFileText(program + "\\Setup.exe", "Setup.exe of an older disc");
    WriteFileText(program + "\\Setup.ini", "[Version]\r\nVersionDesc=an older disc\r\n");
    RunResult second = disc.RunSetup("-q");
    EXPECT_QUIET_END(second, 0);
    ExpectXpInstallation(2);
    EXPECT_EQ((std::vector<std::string>{"Setup.exe", "Setup.ini"}), FilesIn(program));
}

TEST_F(QuietScenario, RemovalAfterFilesDeletedByHand) {
    EXPECT_QUIET_END(disc.RunSetup("-q"), 0);
    SeedDriverStore(reader, "ZELK", "oem3.inf");
    RemoveFileForce(iconLibrary);
    RemoveFileForce(menu + "\\Uninstall.lnk");

    RunResult removal = disc.RunSetup("-q -u");
    EXPECT_QUIET_END(removal, 0);
    EXPECT_TRUE(ValueNames(HKEY_LOCAL_MACHINE, PARAMETERS).empty());
    EXPECT_FALSE(FileExists(win + "\\inf\\oem3.inf"));
    EXPECT_FALSE(FileExists(win + "\\inf\\oem3.pnf"));
    EXPECT_FALSE(FileExists(program + "\\Setup.ini"));
    EXPECT_FALSE(FolderExists(ProgramsDir() + "\\Acme"));
    EXPECT_FALSE(IsPluggedIn(reader));
    EXPECT_EQ(1u, disc.HelperRuns().size());
}

TEST_F(QuietScenario, RemovalWithoutTheReader) {
    EXPECT_QUIET_END(disc.RunSetup("-q"), 0);
    SeedDriverStore(reader, "ZELK", "oem3.inf");
    Unplug(reader);
    VirtualReader other;
    other.hardwareId = "USB\\VID_9999&PID_0001";
    PlugIn(other);

    RunResult removal = disc.RunSetup("-q -u");
    EXPECT_QUIET_END(removal, 4);
    ExpectDriveSettings(BUILT_IN_NAMES);
    EXPECT_TRUE(SameFile(disc.Path("ZELKI_J.dll"), iconLibrary));
    EXPECT_TRUE(FileExists(win + "\\inf\\oem3.inf"));
    EXPECT_TRUE(FileExists(win + "\\inf\\oem3.pnf"));
    ExpectUninstallEntry();
    EXPECT_TRUE(IsPluggedIn(other));
    EXPECT_EQ(1u, disc.HelperRuns().size());
}

TEST_F(QuietScenario, IgnoresPnpMode) {
    for (const char* mode : {"1", "-1", "0"}) {
        SCOPED_TRACE(std::string("PNP_Mode=") + mode);
        WriteDword(HKEY_LOCAL_MACHINE, PARAMETERS, "PnPDisk", 1);   // as an earlier wizard run left it
        disc.WriteSetupIni(SetupIni(std::string("XDIcon=1\r\nPNP_Mode=") + mode + "\r\n"));
        EXPECT_QUIET_END(disc.RunSetup("-q"), 0);
        ExpectDriveSettings(BUILT_IN_NAMES);
    }
    EXPECT_EQ(3u, disc.HelperRuns().size());
}

TEST_F(QuietScenario, DriveNamesOnTaiwaneseSystem) {
    ASSERT_EQ(0x0404, GetSystemDefaultLangID()) << "needs a Chinese (Taiwan) system";
    ASSERT_NE(0x0404, GetUserDefaultLangID()) << "needs a user of another language";
    EXPECT_QUIET_END(disc.RunSetup("-q"), 0);
    const std::wstring drive = L" \x78C1\x789F\x6A5F";   // " 磁碟機"
    for (const wchar_t* slot : {L"SD", L"MS", L"SM", L"CF", L"XD"}) {
        EXPECT_TRUE(HasWideSz(PARAMETERS, std::wstring(slot) + L" Name", slot + drive)) << "slot " << char(slot[0]);
    }
    EXPECT_EQ(9u, ValueNames(HKEY_LOCAL_MACHINE, PARAMETERS).size());
    EXPECT_REG_DWORD(HKEY_LOCAL_MACHINE, PARAMETERS, "PnPDisk", 0);

    // Names from setup.ini win over the language's.
    disc.WriteSetupIni(SetupIni("XDIcon=1\r\n", "[Win2KXP_DriveName]\r\nUserDefine=1\r\nCF_Name=C\r\nSD_Name=S\r\n"
                                                "MS_Name=M\r\nSM_Name=N\r\nXD_Name=X\r\n"));
    EXPECT_QUIET_END(disc.RunSetup("-q"), 0);
    ExpectDriveSettings({"S", "M", "N", "C", "X"});
}

TEST_F(QuietScenario, DriveNamesForTaiwaneseUserOfEnglishSystem) {
    ASSERT_EQ(0x0409, GetSystemDefaultLangID()) << "needs an English (United States) system";
    ASSERT_EQ(0x0404, GetUserDefaultLangID()) << "needs a Chinese (Taiwan) user";
    EXPECT_QUIET_END(disc.RunSetup("-q"), 0);
    ExpectDriveSettings(BUILT_IN_NAMES);
}

TEST_F(QuietScenario, UserDriveNames) {
    disc.WriteSetupIni(SetupIni("XDIcon=1\r\n", "[Win2KXP_DriveName]\r\nUserDefine=1\r\nSD_Name=Card\r\n"));
    EXPECT_QUIET_END(disc.RunSetup("-q"), 0);
    ExpectDriveSettings({"Card", "", "", "", ""});
    EXPECT_EQ(SzBytes(""), ReadValue(HKEY_LOCAL_MACHINE, PARAMETERS, "XD Name").data);
}

TEST_F(QuietScenario, XdIconSwitch) {
    const struct { const char* setting; DWORD value; } cases[] = {{"5", 1}, {"-1", 1}, {"0", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("XDIcon=") + c.setting);
        disc.WriteSetupIni(SetupIni(std::string("XDIcon=") + c.setting + "\r\n"));
        EXPECT_QUIET_END(disc.RunSetup("-q"), 0);
        ExpectDriveSettings(BUILT_IN_NAMES, c.value);
    }
}

TEST_F(QuietScenario, Windows98NamesLeadingOutside) {
    UseWindows98();
    disc.WriteSetupIni(SetupIni("", "[Win9XME_FileName]\r\nFileName_SYS=..\\..\\evil.sys\r\nFileName_PDR=..\\evil.pdr\r\n"
                                    "FileName_INF=evil.inf\r\nFileName_INF_DISK=..\\x.inf\r\n"
                                    "FileName_ICON=..\\evil.dll\r\n[Win9XME_JOVName]\r\nJOV_NAME=..\\..\\\r\n"));
    // Where each name leads from the folder it is meant for.
    const std::vector<std::string> decoys = {win + "\\evil.sys", SystemDir() + "\\evil.pdr", win + "\\x.inf",
                                             "C:\\evil.dll", win + "\\evil.inf"};
    for (const std::string& decoy : decoys) WriteFileText(decoy, "decoy " + decoy);

    RunResult install = disc.RunSetup("-q");
    EXPECT_QUIET_END(install, 0);
    ASSERT_EQ(1u, disc.HelperRuns().size());
    EXPECT_REG_SZ(HKEY_LOCAL_MACHINE, RUN_KEY, "HidMonitor", win + "\\TRAYM.exe");
    EXPECT_TRUE(FileExists(win + "\\TRAYM.exe"));
    EXPECT_EQ(1u, ValueNames(HKEY_LOCAL_MACHINE, USB_ICON).size());
    ExpectUninstallEntry();
    EXPECT_TRUE(FilesIn(SystemDir() + "\\iosubsys").empty());
    for (const std::string& decoy : decoys) EXPECT_EQ("decoy " + decoy, ReadFileText(decoy)) << "after install";

    RunResult removal = disc.RunSetup("-q -u");
    EXPECT_QUIET_END(removal, 0);
    EXPECT_FALSE(IsPluggedIn(reader));
    EXPECT_FALSE(FileExists(program + "\\Setup.ini"));
    EXPECT_FALSE(FolderExists(menu));
    for (const std::string& decoy : decoys) EXPECT_EQ("decoy " + decoy, ReadFileText(decoy)) << "after removal";
}

TEST_F(QuietScenario, XpNamesLeadingOutside) {
    // Without a product name the vendor folder is the uninstall entry's folder:
    // Program Files\..\..\Windows is the Windows folder itself.
    disc.WriteSetupIni("[Vendors]\r\nVendor0=VID_1234&PID_ABCD\r\n[Pre_Define]\r\nVendorName=..\\..\\Windows\r\n"
                       "[Win2KXP_FileName]\r\nFileName_SYS=..\\..\\evil.sys\r\nFileName_ICON=C:\\evil.dll\r\n");
    const std::string menuTarget = FullPath(ProgramsDir() + "\\..\\..\\Windows");
    ASSERT_FALSE(FileExists(win + "\\Setup.exe"));
    ASSERT_FALSE(FolderExists(menuTarget));
    const std::vector<std::string> decoys = {win + "\\evil.sys", "C:\\evil.dll", win + "\\Setup.ini"};
    for (const std::string& decoy : decoys) WriteFileText(decoy, "decoy " + decoy);

    RunResult install = disc.RunSetup("-q");
    EXPECT_QUIET_END(install, 0);
    ASSERT_EQ(1u, disc.HelperRuns().size());
    EXPECT_REG_SZ(HKEY_LOCAL_MACHINE, PARAMETERS, "SD Name", "SD Drive");
    EXPECT_REG_DWORD(HKEY_LOCAL_MACHINE, PARAMETERS, "IconExist", 1);
    EXPECT_FALSE(FileExists(win + "\\Setup.exe"));
    EXPECT_FALSE(FolderExists(menuTarget));
    for (const std::string& decoy : decoys) EXPECT_EQ("decoy " + decoy, ReadFileText(decoy)) << "after install";

    // The driver store names its INF copy outside the inf folder as well.
    SeedDriverStore(reader, "ZELK", "..\\evil.inf");
    RunResult removal = disc.RunSetup("-q -u");
    EXPECT_QUIET_END(removal, 0);
    EXPECT_TRUE(ValueNames(HKEY_LOCAL_MACHINE, PARAMETERS).empty());
    EXPECT_FALSE(IsPluggedIn(reader));
    EXPECT_TRUE(FileExists(win + "\\evil.inf"));
    EXPECT_TRUE(FileExists(win + "\\evil.pnf"));
    for (const std::string& decoy : decoys) EXPECT_EQ("decoy " + decoy, ReadFileText(decoy)) << "after removal";
}

TEST_F(QuietScenario, JunkSetupIniEndsNormally) {
    const std::vector<std::pair<std::string, std::string>> inis = {
        {"values of 100 bytes", LongValues(100)},   {"values of 200 bytes", LongValues(200)},
        {"values of 258 bytes", LongValues(258)},   {"values of 5000 bytes", LongValues(5000)},
        {"random bytes", RandomBytes(65536, 7)},    {"long lines and NULs", LongLinesAndNuls()},
    };
    for (const char* family : {"winxp", "win98"}) {
        SetWindowsFamily(family);
        for (const auto& ini : inis) {
            for (const char* arguments : {"-q", "-q -u"}) {
                SCOPED_TRACE(std::string(family) + ", " + ini.first + ", " + arguments);
                PlugIn(reader);
                disc.WriteSetupIni(ini.second);
                RunResult run = disc.RunSetup(arguments);
                EXPECT_TRUE(Finished(run));
                EXPECT_EQ("test ...\n", run.output);
                // Done, helper not run (a junk path), or no reader found (a junk [Vendors]).
                EXPECT_TRUE(run.exitCode == 0 || run.exitCode == 2 || run.exitCode == 4)
                    << "exit code " << ExitCodeName(run.exitCode);
            }
        }
    }
}

TEST_F(QuietScenario, Windows98WithoutReader) {
    UseWindows98();
    Unplug(reader);
    disc.WriteSetupIni("[Vendors]\r\nVendor0=vid_1234&pid_abcd\r\n[Pre_Define]\r\nVendorName=Acme\r\n"
                       "ProductName=Card Reader\r\n");

    RunResult install = disc.RunSetup("-q");
    EXPECT_QUIET_END(install, 0);
    auto runs = disc.HelperRuns();
    ASSERT_EQ(1u, runs.size());
    EXPECT_EQ(disc.HelperCommandLine("Tarnel98.exe", "\\Win9xME\\ZELK6S.inf", "USB\\VID_1234&PID_ABCD", true),
              runs[0].title);
    EXPECT_REG_SZ(HKEY_LOCAL_MACHINE, USB_ICON, "Icon Name", "ZELKI_J.dll");
    EXPECT_REG_SZ(HKEY_LOCAL_MACHINE, RUN_KEY, "HidMonitor", win + "\\TRAYM.exe");
    const std::string installed[] = {iconLibrary, win + "\\system32\\drivers\\ZELK6S.sys",
                                     SystemDir() + "\\iosubsys\\ZELK6Sp.pdr", win + "\\inf\\ZELKDISK.inf",
                                     win + "\\TRAYM.exe"};
    for (const std::string& file : installed) EXPECT_TRUE(FileExists(file)) << file;
    ExpectUninstallEntry();

    // Without the reader a removal leaves everything as it is.
    RunResult removal = disc.RunSetup("-q -u");
    EXPECT_QUIET_END(removal, 4);
    EXPECT_EQ(1u, disc.HelperRuns().size());
    EXPECT_REG_SZ(HKEY_LOCAL_MACHINE, USB_ICON, "Icon Name", "ZELKI_J.dll");
    for (const std::string& file : installed) EXPECT_TRUE(FileExists(file)) << file;
    ExpectUninstallEntry();
}
