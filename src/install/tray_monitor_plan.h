// Where the tray monitor is copied and how it starts with Windows (98 and Me).
#pragma once
#include "../app/setup_state.h"

// Under HKEY_LOCAL_MACHINE.
extern const char TRAY_MONITOR_RUN_KEY[];
extern const char TRAY_MONITOR_RUN_VALUE[];

struct TrayMonitorPlan {
    char source[TEXT_SIZE];        // the disc's TRAYM.exe; empty when the path does not fit
    char destination[TEXT_SIZE];   // in the Windows folder; also the Run value's data
};

// False when the destination does not fit: then nothing is copied or registered.
bool PlanTrayMonitor(const SetupState& state, TrayMonitorPlan& plan);
