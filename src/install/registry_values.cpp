#include <windows.h>

#include "registry_values.h"

bool WriteSettingValues(const char* keyPath, const SettingValue* values, int count) {
    HKEY key;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, keyPath, 0, const_cast<char*>(""), REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    for (int i = 0; i < count; ++i) {
        const SettingValue& v = values[i];
        if (v.isDword) {
            RegSetValueExA(key, v.name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&v.dword), sizeof v.dword);
        } else {
            RegSetValueExA(key, v.name, 0, REG_SZ, reinterpret_cast<const BYTE*>(v.text), lstrlenA(v.text) + 1);
        }
    }
    RegCloseKey(key);
    return true;
}
