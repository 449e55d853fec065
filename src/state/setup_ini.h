// setup.ini: the configuration beside the program.
#pragma once
#include "ini_source.h"
#include "setup_state.h"

// Fills the configuration fields; needs osKind.
void ReadSetupIni(const IniSource& ini, SetupState& state);

// The device search: Vendor0..Vendor8 of [Vendors] in turn, each as "USB\" + entry in
// upper case, until one is present or the list ends at an empty entry. An entry too
// long to make a hardware id is skipped.
typedef bool (*PresenceProbe)(const char* hardwareId, void* context);
void SearchConfiguredDevice(const IniSource& ini, PresenceProbe isPresent, void* context,
                            SetupState& state);

// The drive names of [Win2KXP_DriveName], used when UserDefine starts with "1".
struct DriveNames {
    char sd[260];
    char ms[260];
    char sm[260];
    char cf[260];
    char xd[260];
};
bool ReadUserDriveNames(const IniSource& ini, DriveNames& names);

const int VENDOR_ENTRY_COUNT = 9;
const size_t MAX_VENDOR_ENTRY_LENGTH = 95;   // "USB\" + entry must fit 99 characters
