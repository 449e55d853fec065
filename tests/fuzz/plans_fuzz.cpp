// The setup.ini-driven plans: the configuration read, the device search, the
// installation, the drive settings, the uninstall entry and the removal.
//
// Input: setup.ini text. Its [Env] section, which no disc has, gives what start-up
// asks of the system: OsKind, CodePage, WindowsDir, SystemDir, SourceDir, ProgramsDir,
// ProgramFilesDir, Present (the number of the [Vendors] entry whose reader is
// plugged in) and PnpDisk.
//
// Properties:
// - every field of the state and of each plan ends inside its bound;
// - the helper runs, from the disc's folder, exactly when its path and command line
//   fit, and then with exactly the reference rendering; the uninstall entry's paths
//   are the reference renderings, and are refused exactly when one does not fit or a
//   name leads out of its base folder;
// - nothing copied, registered, deleted or created lies outside its base folder, and
//   nothing lies in an unknown one;
// - the removal deletes only what the installation writes: its values are among the
//   installation's, its files among the installation's copies (or what Windows makes
//   of the helper's work: the driver on 2000 and later, Windows 98's INF copy).
#include <algorithm>
#include <cctype>
#include <map>

#include "state/setup_ini.h"
#include "fuzz_support.h"
#include "install/drive_settings_plan.h"
#include "install/install_plan.h"
#include "install/uninstall_entry_paths.h"
#include "remove/removal_plan.h"
#include "text/bounded_text.h"

using fuzz::LiesBelow;
using fuzz::Shown;

namespace {

struct Search {
    int present;   // the number of the probe that finds its reader
    int asked;
    static bool IsPresent(const char*, void* context) {
        Search* search = static_cast<Search*>(context);
        return search->asked++ == search->present;
    }
};

bool Fits(const std::string& text) { return text.size() < TEXT_SIZE; }

void CheckState(const SetupState& s) {
    for (const char* field : {s.vendorEntry, s.hardwareId}) FUZZ_CHECK(memchr(field, 0, DEVICE_TEXT_SIZE), "device");
    FUZZ_CHECK_TERMINATED(s.titleText);
    FUZZ_CHECK_TERMINATED(s.infPath);
    FUZZ_CHECK_TERMINATED(s.fileNameIcon);
    FUZZ_CHECK_TERMINATED(s.vendorName);
    FUZZ_CHECK_TERMINATED(s.productName);
    FUZZ_CHECK_TERMINATED(s.matchedInstanceId);
    if (s.devicePresent) {
        std::string id = "USB\\" + std::string(s.vendorEntry);
        for (char& c : id) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
        FUZZ_CHECK(strlen(s.vendorEntry) <= MAX_VENDOR_ENTRY_LENGTH, Shown(s.vendorEntry));
        FUZZ_CHECK(id == s.hardwareId, Shown(s.hardwareId));
    }
}

std::string CommandLineReference(const SetupState& s, const char* helper) {
    const std::string source = s.sourceDir, inf = "\"" + source + s.infPath + "\"";
    if (s.osKind < OS_WINME) return "\"" + source + "\\" + helper + "\" " + inf + " ENUM\\" + s.hardwareId;
    bool entry = s.osKind == OS_WIN2000 || s.osKind == OS_WINXP || s.osKind == OS_WINXP64;
    return source + "\\" + helper + " " + inf + " " + (entry ? s.vendorEntry : s.hardwareId);
}

// Where a copy may go: the base folder and the parts below it.
bool IsInstallDestination(const SetupState& s, const std::string& path) {
    const std::string windows = s.windowsDir, system = s.systemDir;
    const LeadBytePredicate lead = s.isLeadByte;
    if (LiesBelow(path, windows, 1, lead)) return true;
    if (s.osKind >= OS_WINME) return false;
    return (LiesBelow(path, windows, 3, lead) && path.compare(windows.size(), 18, "\\system32\\drivers\\") == 0) ||
           (LiesBelow(path, system, 2, lead) && path.compare(system.size(), 10, "\\iosubsys\\") == 0) ||
           (LiesBelow(path, windows, 2, lead) && path.compare(windows.size(), 5, "\\inf\\") == 0);
}

void CheckInstallation(const SetupState& s, const InstallPlan& plan) {
    const std::string source = s.sourceDir;
    FUZZ_CHECK_TERMINATED(plan.helperPath);
    FUZZ_CHECK_TERMINATED(plan.commandLine);
    FUZZ_CHECK_TERMINATED(plan.driverToUnlock);
    FUZZ_CHECK(plan.copyCount >= 0 && plan.copyCount <= 4, std::to_string(plan.copyCount));

    const std::string helperPath = source + "\\" + plan.helperName;
    const std::string inf = source + s.infPath, line = CommandLineReference(s, plan.helperName);
    const bool fits = !source.empty() && Fits(helperPath) && Fits(inf) && Fits(line);
    FUZZ_CHECK(plan.helperRunnable == fits, Shown(line));
    if (plan.helperRunnable) {
        FUZZ_CHECK(helperPath == plan.helperPath, Shown(plan.helperPath));
        FUZZ_CHECK(line == plan.commandLine, Shown(plan.commandLine));
    }
    if (source.empty()) {
        FUZZ_CHECK(!plan.registerTrayMonitor && plan.copyCount == 0 && !plan.driverToUnlock[0], "unknown disc");
    }
    if (plan.driverToUnlock[0]) {
        FUZZ_CHECK(IsInstallDestination(s, plan.driverToUnlock), Shown(plan.driverToUnlock));
    }
    if (plan.registerTrayMonitor) {
        FUZZ_CHECK(s.osKind <= OS_WINME, "tray monitor");
        FUZZ_CHECK(source + "\\TRAYM.exe" == plan.trayMonitor.source, Shown(plan.trayMonitor.source));
        FUZZ_CHECK(std::string(s.windowsDir) + "\\TRAYM.exe" == plan.trayMonitor.destination,
                   Shown(plan.trayMonitor.destination));
        FUZZ_CHECK(LiesBelow(plan.trayMonitor.destination, s.windowsDir, 1, s.isLeadByte), Shown(s.windowsDir));
    }
    for (int i = 0; i < plan.copyCount; ++i) {
        const FileCopy& copy = plan.copies[i];
        FUZZ_CHECK_TERMINATED(copy.source);
        FUZZ_CHECK_TERMINATED(copy.destination);
        FUZZ_CHECK(!source.empty() && std::string(copy.source).compare(0, source.size(), source) == 0,
                   Shown(copy.source));
        FUZZ_CHECK(IsInstallDestination(s, copy.destination), Shown(copy.destination));
    }
}

void CheckDriveSettings(const SetupState& s, const DriveSettings& settings, const DriveSettingNames& removal) {
    FUZZ_CHECK(settings.count >= 1 && settings.count <= 9, std::to_string(settings.count));
    FUZZ_CHECK(removal.count >= 1 && removal.count <= 9, std::to_string(removal.count));
    FUZZ_CHECK(strcmp(settings.key, removal.key) == 0, "one key");
    std::vector<std::string> written;
    for (int i = 0; i < settings.count; ++i) {
        FUZZ_CHECK_TERMINATED(settings.values[i].name);
        FUZZ_CHECK_TERMINATED(settings.values[i].text);
        written.push_back(settings.values[i].name);
    }
    for (int i = 0; i < removal.count; ++i) {
        FUZZ_CHECK_TERMINATED(removal.names[i]);
        FUZZ_CHECK(std::count(written.begin(), written.end(), removal.names[i]) == 1, Shown(removal.names[i]));
    }
    // The icon value's name: "IconName_", four characters after "PID_", four after "VID_".
    const std::string id = s.hardwareId;
    size_t pid = id.find("PID_"), vid = id.find("VID_");
    const bool named = pid != std::string::npos && vid != std::string::npos;
    const std::string iconName = named ? "IconName_" + id.substr(pid + 4, 4) + id.substr(vid + 4, 4) : "";
    FUZZ_CHECK((std::find(written.begin(), written.end(), iconName) != written.end()) == (named && s.osKind >= OS_WIN2000),
               Shown(iconName));
}

void CheckUninstallEntry(const SetupState& s, bool composed, const UninstallEntryPaths& p) {
    const std::string menu = s.programsDir, files = s.programFilesDir, vendor = s.vendorName, product = s.productName;
    const LeadBytePredicate lead = s.isLeadByte;
    const std::string folder = product.empty() ? vendor : vendor + "\\" + product;
    const std::string reference[] = {menu + "\\" + vendor, files + "\\" + vendor, menu + "\\" + folder,
                                     files + "\\" + folder, files + "\\" + folder + "\\Setup.exe",
                                     files + "\\" + folder + "\\Setup.ini", menu + "\\" + folder + "\\Uninstall.lnk"};
    const char* const built[] = {p.menuVendorFolder, p.programVendorFolder, p.menuFolder, p.programFolder,
                                 p.copiedProgram, p.copiedConfiguration, p.shortcut};
    bool allFit = true;
    for (const std::string& path : reference) allFit = allFit && Fits(path);
    const bool namesStayBelow = fuzz::PartsBelowBase(vendor, lead) > 0 &&
                                (product.empty() || fuzz::PartsBelowBase(product, lead) > 0);
    FUZZ_CHECK(composed == (!menu.empty() && !files.empty() && namesStayBelow && allFit),
               Shown(vendor) + " " + Shown(product));
    if (!composed) return;
    for (int i = 0; i < 7; ++i) FUZZ_CHECK(reference[i] == built[i], Shown(built[i]));
    for (const char* path : {p.menuVendorFolder, p.menuFolder, p.shortcut}) {
        FUZZ_CHECK(LiesBelow(path, menu, 0, lead), Shown(path));
    }
    for (const char* path : {p.programVendorFolder, p.programFolder, p.copiedProgram, p.copiedConfiguration}) {
        FUZZ_CHECK(LiesBelow(path, files, 0, lead), Shown(path));
    }
}

void CheckRemoval(const SetupState& s, const InstalledFiles& files) {
    // The installation's copies from a disc whose folder is as short as any.
    SetupState shortDisc = s;
    CopyText(shortDisc.sourceDir, "D");
    shortDisc.drvPathSys[0] = shortDisc.drvPathPdr[0] = shortDisc.infPathDisk[0] = '\0';
    InstallPlan install;
    PlanInstallation(shortDisc, install);
    SetupState shortDisc98 = shortDisc;
    shortDisc98.osKind = OS_WIN98;
    std::vector<std::string> written;
    for (int i = 0; i < install.copyCount; ++i) written.push_back(install.copies[i].destination);

    const std::string windows = s.windowsDir;
    FUZZ_CHECK(files.windows9xCount >= 0 && files.windows9xCount <= 3 && files.driverCount >= 0 &&
                   files.driverCount <= 2 && (s.osKind < OS_WIN2000 || files.windows9xCount == 0),
               "counts");
    std::vector<const FileDeletion*> deletions;
    for (int i = 0; i < files.windows9xCount; ++i) deletions.push_back(&files.windows9xFiles[i]);
    for (int i = 0; i < files.driverCount; ++i) deletions.push_back(&files.driverFiles[i]);
    for (const FileDeletion* file : deletions) {
        FUZZ_CHECK_TERMINATED(file->path);
        const std::string path = file->path;
        const bool drivers = LiesBelow(path, windows, 3, s.isLeadByte) &&
                             path.compare(windows.size(), 18, "\\system32\\drivers\\") == 0;
        FUZZ_CHECK(file->inSystemDriversFolder == drivers, Shown(path));
        const bool copied = std::find(written.begin(), written.end(), path) != written.end();
        // Windows 98 keeps its own copy of the driver's INF; from Me on the helper
        // installs the driver files.
        const bool windowsInfCopy = s.osKind < OS_WIN2000 && LiesBelow(path, windows, 3, s.isLeadByte) &&
                                    path.compare(windows.size(), 11, "\\inf\\other\\") == 0;
        const bool helpersWork = s.osKind >= OS_WINME && !LiesBelow(path, windows, 1, s.isLeadByte) &&
                                 IsInstallDestination(shortDisc98, path);
        FUZZ_CHECK(copied || windowsInfCopy || helpersWork, Shown(path));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::MemoryIni ini(fuzz::Lines(data, size));
    SetupState s{};
    s.osKind = static_cast<OsKind>(static_cast<uint32_t>(ini.ReadInt("Env", "OsKind", OS_WINXP)) % 9);
    s.isLeadByte = fuzz::CodePage(ini.ReadInt("Env", "CodePage", 1252));
    ini.ReadText("Env", "WindowsDir", "C:\\WINDOWS", s.windowsDir, sizeof s.windowsDir);
    ini.ReadText("Env", "SystemDir", "C:\\WINDOWS\\system32", s.systemDir, sizeof s.systemDir);
    ini.ReadText("Env", "SourceDir", "D:", s.sourceDir, sizeof s.sourceDir);
    ini.ReadText("Env", "ProgramsDir", "C:\\Start Menu\\Programs", s.programsDir, sizeof s.programsDir);
    ini.ReadText("Env", "ProgramFilesDir", "C:\\Program Files", s.programFilesDir, sizeof s.programFilesDir);
    // The system's own folders are whole names in its code page.
    for (const char* folder : {s.windowsDir, s.systemDir, s.sourceDir, s.programsDir, s.programFilesDir}) {
        for (const char* p = folder; *p; p += CharacterSize(p, s.isLeadByte)) {
            if (IsUnfinishedCharacter(p, s.isLeadByte)) return 0;
        }
    }
    ReadSetupIni(ini, s);
    Search search{ini.ReadInt("Env", "Present", 0), 0};
    SearchConfiguredDevice(ini, Search::IsPresent, &search, s);
    s.pnpDiskEnabled = ini.ReadInt("Env", "PnpDisk", 0) != 0;
    CheckState(s);

    InstallPlan install;
    PlanInstallation(s, install);
    CheckInstallation(s, install);

    DriveNames names;
    DefaultDriveNames(names);
    ReadUserDriveNames(ini, names);
    DriveSettings settings;
    PlanDriveSettings(s, names, settings);
    DriveSettingNames settingsRemoval;
    PlanDriveSettingsRemoval(s, settingsRemoval);
    CheckDriveSettings(s, settings, settingsRemoval);

    UninstallEntryPaths entry;
    CheckUninstallEntry(s, ComposeUninstallEntryPaths(s, entry), entry);

    InstalledFiles files;
    PlanInstalledFileDeletion(s, files);
    CheckRemoval(s, files);
    return 0;
}
