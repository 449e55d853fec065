#include "family_plan.h"
#include "families.h"
#include "../text/bounded_text.h"
#include "../ui/wizard_flow.h"

const char WINDOWS_FOLDER[] = "<windows>";
const char SYSTEM_FOLDER[] = "<system>";
const char PROGRAMS_FOLDER[] = "<programs>";
const char PROGRAM_FILES_FOLDER[] = "<program files>";

namespace {

// The device search's probe: the reader asked for in turn `wanted` is "plugged in".
struct ReaderProbe {
    const RecordingIni* ini;
    int wanted;
    int asked;
    char key[INI_NAME_SIZE];
};

bool IsWantedReader(const char*, void* context) {
    ReaderProbe& probe = *static_cast<ReaderProbe*>(context);
    if (probe.asked++ != probe.wanted) return false;
    const KeyRead* last = probe.ini->Last();
    CopyText(probe.key, last ? last->key : "");
    return true;
}

bool NoReader(const char*, void*) { return false; }

// Start-up's reads, then the drive settings' own (which only XP and later use).
void ReadAsSetupDoes(const IniSource& ini, SetupState& state, DriveNames& names, bool& userNames) {
    ReadSetupIni(ini, state);
    SearchConfiguredDevice(ini, NoReader, nullptr, state);
    DefaultDriveNames(names);
    userNames = ReadUserDriveNames(ini, names);
}

WizardPnpDisk PnpDiskInWizard(const SetupState& state) {
    SetupState withReader = state;
    withReader.devicePresent = true;
    if (AfterWelcome(true, withReader).message != WM_WIZ_PNPDISK) return PNP_DISK_NOT_OFFERED;
    if (!PnpDiskIsPreset(state.pnpMode)) return PNP_DISK_ASKED;
    return PresetPnpDiskEnabled(state.pnpMode) ? PNP_DISK_PRESET_ON : PNP_DISK_PRESET_OFF;
}

void FindReaders(const RecordingIni& ini, FamilyPlan& plan) {
    const SetupState read = plan.state;
    plan.readerCount = 0;
    for (int k = 0; k < VENDOR_ENTRY_COUNT; ++k) {
        SetupState found = read;
        ReaderProbe probe = {&ini, k, 0, {0}};
        SearchConfiguredDevice(ini, IsWantedReader, &probe, found);
        if (!found.devicePresent) break;
        Reader& reader = plan.readers[plan.readerCount++];
        CopyText(reader.key, probe.key);
        CopyText(reader.vendorEntry, found.vendorEntry);
        CopyText(reader.hardwareId, found.hardwareId);
        PlanInstallation(found, plan.install);
        CopyText(reader.commandLine, plan.install.commandLine);
        reader.helperRunnable = plan.install.helperRunnable;
        if (k == 0) plan.state = found;
    }
    // What start-up leaves when no reader is plugged in.
    plan.installsWithoutReader = AfterWelcome(true, read).message != WM_WIZ_NO_DEVICE;
    InstallPlan withoutReader;
    PlanInstallation(read, withoutReader);
    CopyText(plan.commandLineWithoutReader, withoutReader.commandLine);
}

}  // namespace

void PlanFamily(const RecordingIni& ini, OsKind kind, const char* discFolder, LeadBytePredicate isLeadByte,
                FamilyPlan& plan) {
    SetupState& s = plan.state;
    s = SetupState();
    s.osKind = kind;
    s.isLeadByte = isLeadByte;
    CopyText(s.sourceDir, discFolder);
    CopyText(s.windowsDir, WINDOWS_FOLDER);
    CopyText(s.systemDir, SYSTEM_FOLDER);
    CopyText(s.programsDir, PROGRAMS_FOLDER);
    CopyText(s.programFilesDir, PROGRAM_FILES_FOLDER);
    ReadAsSetupDoes(ini, s, plan.driveNames, plan.userDriveNames);

    FindReaders(ini, plan);
    PlanInstallation(s, plan.install);
    PlanDriveSettings(s, plan.driveNames, plan.settings);
    plan.wizardPnpDisk = PnpDiskInWizard(s);

    plan.entryComposed = ComposeUninstallEntryPaths(s, plan.entry);
    plan.addRemoveComposed = ComposeAddRemoveEntry(s, plan.addRemove);
    ComposeInto(plan.setupSource, "%s\\%s", s.sourceDir, "Setup.exe");
    ComposeInto(plan.iniSource, "%s\\%s", s.sourceDir, "Setup.ini");

    PlanDriveSettingsRemoval(s, plan.settingsRemoval);
    PlanInstalledFileDeletion(s, plan.filesRemoval);
}

void LearnReadableKeys(KeyList& keys) {
    // A default everywhere, then "1" everywhere: between them every branch of the
    // reading code is taken (a vendor other than the default, UserDefine=1, a full
    // vendor list).
    const char* const answers[] = {nullptr, "1"};
    for (const Family& family : FAMILIES) {
        for (const char* answer : answers) {
            AnsweringIni source(answer);
            RecordingIni ini(source);
            SetupState state = SetupState();
            state.osKind = family.kind;
            DriveNames names;
            bool userNames;
            ReadAsSetupDoes(ini, state, names, userNames);
            keys.Merge(ini.Reads());
        }
    }
}
