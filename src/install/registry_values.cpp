#include <windows.h>

#include "registry_values.h"
#include "../text/bounded_text.h"

void ComposeValuePath(const char* key, const char* name, char* path, size_t size) {
    size_t length = TextLength(key);
    const char* separator = length && key[length - 1] == '\\' ? "" : "\\";
    if (!Compose(path, size, "HKLM\\%s%s%s", key, separator, name && name[0] ? name : "(default)")) {
        Compose(path, size, "HKLM\\%s", key);
    }
}

bool WriteSettingValues(const char* keyPath, const SettingValue* values, int count, Journal& journal) {
    char path[2 * TEXT_SIZE];
    HKEY key;
    LONG opened = RegCreateKeyExA(HKEY_LOCAL_MACHINE, keyPath, 0, const_cast<char*>(""), REG_OPTION_NON_VOLATILE,
                                  KEY_ALL_ACCESS, nullptr, &key, nullptr);
    if (opened != ERROR_SUCCESS) {
        for (int i = 0; i < count; ++i) {
            ComposeValuePath(keyPath, values[i].name, path, sizeof path);
            journal.Record(Act::WriteValue, path, Outcome::Failed(static_cast<uint32_t>(opened)));
        }
        return false;
    }
    for (int i = 0; i < count; ++i) {
        const SettingValue& v = values[i];
        LONG written;
        if (v.isDword) {
            written = RegSetValueExA(key, v.name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&v.dword), sizeof v.dword);
        } else {
            written = RegSetValueExA(key, v.name, 0, REG_SZ, reinterpret_cast<const BYTE*>(v.text), lstrlenA(v.text) + 1);
        }
        ComposeValuePath(keyPath, v.name, path, sizeof path);
        journal.Record(Act::WriteValue, path, Outcome::Of(written == ERROR_SUCCESS, static_cast<uint32_t>(written)));
    }
    RegCloseKey(key);
    return true;
}
