#include <windows.h>

#include "tray_monitor.h"
#include "install_plan.h"

void RegisterTrayMonitor(const char* monitorPath) {
    HKEY key;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, TRAY_MONITOR_RUN_KEY, 0, const_cast<char*>(""), REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return;
    }
    RegSetValueExA(key, TRAY_MONITOR_RUN_VALUE, 0, REG_SZ, reinterpret_cast<const BYTE*>(monitorPath),
                   lstrlenA(monitorPath) + 1);
    RegCloseKey(key);
}
