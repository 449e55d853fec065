#include <windows.h>

#include "drive_settings.h"
#include "drive_settings_plan.h"
#include "registry_values.h"
#include "../state/profile_ini.h"
#include "../framework/language_strings.h"
#include "../res/resource_ids.h"

namespace {

const LANGID CHINESE_TAIWAN = 0x0404;

void LoadTaiwanDriveNames(DriveNames& names) {
    HINSTANCE module = GetModuleHandleA(nullptr);
    struct { UINT id; char* slot; } slots[] = {
        {IDS_SD_DRIVE, names.sd}, {IDS_MS_DRIVE, names.ms}, {IDS_SM_DRIVE, names.sm},
        {IDS_CF_DRIVE, names.cf}, {IDS_XD_DRIVE, names.xd},
    };
    for (auto& slot : slots) LoadLanguageString(module, slot.id, CHINESE_TAIWAN, slot.slot, sizeof names.sd);
}

}  // namespace

void WriteDriveSettings(Journal& journal) {
    DriveNames names;
    DefaultDriveNames(names);
    if (setupState.osKind >= OS_WINXP) {
        // Names from setup.ini win over the language's names.
        ProfileIni ini(setupState.sourceDir);
        if (!ReadUserDriveNames(ini, names) && GetSystemDefaultLangID() == CHINESE_TAIWAN) {
            LoadTaiwanDriveNames(names);
        }
    }

    DriveSettings settings;
    PlanDriveSettings(setupState, names, settings);
    WriteSettingValues(settings.key, settings.values, settings.count, journal);
}
