// The drive-name and drive-icon settings of each Windows family: which key, which
// values in which order, with which data.
#pragma once
#include <stdint.h>

#include "setting_value.h"
#include "../state/setup_ini.h"
#include "../state/setup_state.h"

// Under HKEY_LOCAL_MACHINE; the trailing backslashes are part of the names.
extern const char DRIVER_PARAMETERS_KEY[];   // NT family
extern const char USB_ICON_KEY[];            // Windows 98/Me

// "IconName_" + up to four characters after the first "PID_" + up to four after the
// first "VID_". False, and dst empty, when the id lacks either part.
bool ComposeIconValueName(const char* hardwareId, char* dst, size_t size);

struct DriveSettings {
    const char* key;
    SettingValue values[9];
    int count;
};

// The built-in English names.
void DefaultDriveNames(DriveNames& names);

// names: the five drive names in force (XP and later only).
void PlanDriveSettings(const SetupState& state, const DriveNames& names, DriveSettings& settings);

// The value names a removal deletes, in order: nine on XP and later, three on 2000
// ("XDIcon" stays there), "Icon Name" on 98/Me.
struct DriveSettingNames {
    const char* key;
    char names[9][TEXT_SIZE];
    int count;
};
void PlanDriveSettingsRemoval(const SetupState& state, DriveSettingNames& removal);
