#include <windows.h>

#include "install_driver.h"
#include "drive_settings.h"
#include "install_plan.h"
#include "tray_monitor.h"
#include "../device/file_placement.h"
#include "../device/process_runner.h"

bool InstallDriver() {
    InstallPlan plan;
    PlanInstallation(setupState, plan);

    if (plan.driverToUnlock[0]) SetFileAttributesA(plan.driverToUnlock, FILE_ATTRIBUTE_NORMAL);
    WriteDriveSettings();
    if (plan.registerTrayMonitor) {
        CopyFileOver(plan.trayMonitor.source, plan.trayMonitor.destination);
        RegisterTrayMonitor(plan.trayMonitor.destination);
    }

    bool helperRan = plan.helperRunnable &&
                     RunAndWait(plan.helperPath, plan.commandLine, HELPER_TIME_LIMIT_SECONDS) == RUN_COMPLETED;
    if (helperRan) {
        for (int i = 0; i < plan.copyCount; ++i) CopyFileOver(plan.copies[i].source, plan.copies[i].destination);
    }
    return helperRan;
}
