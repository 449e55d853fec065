// What an installation does on the running Windows family, composed before anything
// is done: the helper installer and its command line, and the files to copy.
#pragma once
#include "../state/setup_state.h"

struct FileCopy {
    char source[TEXT_SIZE];
    char destination[TEXT_SIZE];
};

struct InstallPlan {
    const char* helperName;
    char helperPath[TEXT_SIZE];
    char infSource[TEXT_SIZE];        // the setup information file the helper is handed
    char commandLine[TEXT_SIZE];
    bool helperRunnable;              // path and command line fit their buffers
    char driverToUnlock[TEXT_SIZE];   // Windows 98 path: the driver's attributes, before all else; may be empty
    bool registerTrayMonitor;         // Windows 98 and Me
    FileCopy trayMonitor;             // the disc's TRAYM.exe into the Windows folder
    FileCopy copies[4];               // after a helper that has run, in this order
    int copyCount;
};

// Copies whose destination name is not a bare file name, or whose paths do not fit,
// are left out. Nothing is planned in a folder that is unknown (empty), and nothing
// at all when the disc's folder is.
void PlanInstallation(const SetupState& state, InstallPlan& plan);

const unsigned HELPER_TIME_LIMIT_SECONDS = 1200;

// Where the tray monitor is started with Windows, under HKEY_LOCAL_MACHINE.
extern const char TRAY_MONITOR_RUN_KEY[];
extern const char TRAY_MONITOR_RUN_VALUE[];
