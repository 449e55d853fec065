#include <windows.h>

#include "tray_monitor.h"
#include "../text/bounded_text.h"
#include "../app/setup_state.h"

namespace {
const char TRAY_MONITOR[] = "\\TRAYM.exe";
const char RUN_KEY[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
}

void RegisterTrayMonitor() {
    char source[TEXT_SIZE];
    char destination[TEXT_SIZE];
    if (!ComposeInto(destination, "%s%s", setupState.windowsDir, TRAY_MONITOR)) return;
    if (ComposeInto(source, "%s%s", setupState.sourceDir, TRAY_MONITOR)) {
        SetFileAttributesA(destination, FILE_ATTRIBUTE_NORMAL);
        CopyFileA(source, destination, FALSE);
    }
    HKEY key;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, RUN_KEY, 0, const_cast<char*>(""), REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return;
    }
    RegSetValueExA(key, "HidMonitor", 0, REG_SZ, reinterpret_cast<const BYTE*>(destination),
                   lstrlenA(destination) + 1);
    RegCloseKey(key);
}
