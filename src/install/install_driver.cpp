#include <windows.h>

#include "install_driver.h"
#include "drive_settings.h"
#include "install_plan.h"
#include "tray_monitor.h"
#include "../device/process_runner.h"

bool InstallDriver(FilePlacement& files, Journal& journal) {
    InstallPlan plan;
    PlanInstallation(setupState, plan);

    if (plan.driverToUnlock[0]) SetFileAttributesA(plan.driverToUnlock, FILE_ATTRIBUTE_NORMAL);
    WriteDriveSettings(journal);
    if (plan.registerTrayMonitor) {
        files.CopyOver(plan.trayMonitor.source, plan.trayMonitor.destination);
        RegisterTrayMonitor(plan.trayMonitor.destination, journal);
    }

    if (!plan.helperRunnable) {
        journal.Fact("helper installer", "not started: no disc folder, or a path or command line over 259 characters");
    }
    bool helperRan = plan.helperRunnable && RunAndWait(plan.helperPath, plan.commandLine, HELPER_TIME_LIMIT_SECONDS,
                                                       journal) == RUN_COMPLETED;
    if (helperRan) {
        for (int i = 0; i < plan.copyCount; ++i) files.CopyOver(plan.copies[i].source, plan.copies[i].destination);
    }
    return helperRan;
}
