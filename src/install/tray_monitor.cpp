#include "tray_monitor.h"
#include "install_plan.h"
#include "registry_values.h"
#include "../text/bounded_text.h"

void RegisterTrayMonitor(const char* monitorPath, Journal& journal) {
    SettingValue run = {};
    if (!CopyText(run.name, TRAY_MONITOR_RUN_VALUE) || !CopyText(run.text, monitorPath)) return;
    WriteSettingValues(TRAY_MONITOR_RUN_KEY, &run, 1, journal);
}
