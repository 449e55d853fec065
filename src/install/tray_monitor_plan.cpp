#include "tray_monitor_plan.h"
#include "../text/bounded_text.h"

const char TRAY_MONITOR_RUN_KEY[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const char TRAY_MONITOR_RUN_VALUE[] = "HidMonitor";

namespace {
const char TRAY_MONITOR[] = "\\TRAYM.exe";
}

bool PlanTrayMonitor(const SetupState& s, TrayMonitorPlan& plan) {
    plan = TrayMonitorPlan();
    if (!ComposeInto(plan.destination, "%s%s", s.windowsDir, TRAY_MONITOR)) return false;
    ComposeInto(plan.source, "%s%s", s.sourceDir, TRAY_MONITOR);
    return true;
}
