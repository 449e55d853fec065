#include <windows.h>

#include "tray_monitor.h"
#include "tray_monitor_plan.h"

void RegisterTrayMonitor() {
    TrayMonitorPlan plan;
    if (!PlanTrayMonitor(setupState, plan)) return;
    if (plan.source[0]) {
        SetFileAttributesA(plan.destination, FILE_ATTRIBUTE_NORMAL);
        CopyFileA(plan.source, plan.destination, FALSE);
    }
    HKEY key;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, TRAY_MONITOR_RUN_KEY, 0, const_cast<char*>(""), REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return;
    }
    RegSetValueExA(key, TRAY_MONITOR_RUN_VALUE, 0, REG_SZ, reinterpret_cast<const BYTE*>(plan.destination),
                   lstrlenA(plan.destination) + 1);
    RegCloseKey(key);
}
