// What Setup.exe would do with a disc on one Windows family: its own reading code and
// plans, run without acting. Folders only the target machine knows are placeholders.
#pragma once
#include "recording_ini.h"
#include "../state/setup_ini.h"
#include "../install/add_remove_entry_plan.h"
#include "../install/drive_settings_plan.h"
#include "../install/install_plan.h"
#include "../install/uninstall_entry_paths.h"
#include "../remove/removal_plan.h"

extern const char WINDOWS_FOLDER[];         // "<windows>"
extern const char SYSTEM_FOLDER[];          // "<system>"
extern const char PROGRAMS_FOLDER[];        // "<programs>": the Start menu's programs
extern const char PROGRAM_FILES_FOLDER[];   // "<program files>"

// One reader of [Vendors] that the device search would look for.
struct Reader {
    char key[INI_NAME_SIZE];   // "Vendor0"
    char vendorEntry[DEVICE_TEXT_SIZE];
    char hardwareId[DEVICE_TEXT_SIZE];
    char commandLine[TEXT_SIZE];
    bool helperRunnable;
};

enum WizardPnpDisk { PNP_DISK_NOT_OFFERED, PNP_DISK_ASKED, PNP_DISK_PRESET_ON, PNP_DISK_PRESET_OFF };

struct FamilyPlan {
    SetupState state;   // after start-up, with the first reader found (when there is one)
    Reader readers[VENDOR_ENTRY_COUNT];
    int readerCount;
    bool installsWithoutReader;    // Windows 98: also when no configured reader is plugged in
    char commandLineWithoutReader[TEXT_SIZE];

    InstallPlan install;
    DriveNames driveNames;
    bool userDriveNames;   // [Win2KXP_DriveName] UserDefine starts with 1
    DriveSettings settings;
    WizardPnpDisk wizardPnpDisk;

    UninstallEntryPaths entry;
    bool entryComposed;
    char setupSource[TEXT_SIZE];   // the disc's Setup.exe and setup.ini, copied into the entry
    char iniSource[TEXT_SIZE];
    AddRemoveEntry addRemove;   // written with the entry when setup.ini wants it, deleted by a removal
    bool addRemoveComposed;

    DriveSettingNames settingsRemoval;
    InstalledFiles filesRemoval;
};

// Reads setup.ini through `ini` as start-up and the drive settings do, then composes
// every plan for the disc in discFolder (as Setup.exe's own folder: full, no trailing
// backslash), with names walked by the code page's lead-byte rule.
void PlanFamily(const RecordingIni& ini, OsKind kind, const char* discFolder, LeadBytePredicate isLeadByte,
                FamilyPlan& plan);

// Every (section, key) Setup.exe can read, on any family, whatever the file holds.
void LearnReadableKeys(KeyList& keys);
