#include <windows.h>

#include "drive_settings.h"
#include "drive_settings_plan.h"
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

void WriteDriveSettings() {
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
    HKEY key;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, settings.key, 0, const_cast<char*>(""), REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return;
    }
    for (int i = 0; i < settings.count; ++i) {
        const SettingValue& v = settings.values[i];
        if (v.isDword) {
            RegSetValueExA(key, v.name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&v.dword), sizeof v.dword);
        } else {
            RegSetValueExA(key, v.name, 0, REG_SZ, reinterpret_cast<const BYTE*>(v.text), lstrlenA(v.text) + 1);
        }
    }
    RegCloseKey(key);
}
