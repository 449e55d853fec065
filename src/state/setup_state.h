// The process-wide state of Setup.exe: written at start-up, then only where noted.
#pragma once
#include <stddef.h>
#include <stdint.h>

#include "../text/double_byte.h"

typedef uint8_t OsKind;
enum : OsKind {
    OS_UNSUPPORTED = 0,
    OS_WIN98 = 2,
    OS_WINME = 3,
    OS_WIN2000 = 4,
    OS_WINXP = 5,
    OS_WINXP64 = 6,   // 5.2: XP x64 and Server 2003
    OS_VISTA = 7,     // 6.x on any processor but x64
    OS_VISTA64 = 8,   // 6.x on x64
};

const size_t TEXT_SIZE = 260;        // paths, key names, command lines, terminator included
const size_t DEVICE_TEXT_SIZE = 100; // vendorEntry and hardwareId

struct SetupState {
    // Run flags and device fields (command line and device search).
    bool uninstallMode;
    bool quietMode;
    bool devicePresent;
    bool driverInstalled;
    bool restartNow;       // set by the setup-complete page
    bool pnpDiskEnabled;   // set by the wizard before the installation starts
    char vendorEntry[DEVICE_TEXT_SIZE];
    char hardwareId[DEVICE_TEXT_SIZE];
    char logPath[TEXT_SIZE];   // -log:PATH; empty: no run log

    // Environment.
    OsKind osKind;
    bool localizedUi;
    LeadBytePredicate isLeadByte;   // the ANSI code page's; null: a single-byte one
    // An empty folder is one the system could not give: nothing is read, run, copied or
    // deleted in it.
    char windowsDir[TEXT_SIZE];
    char systemDir[TEXT_SIZE];
    char sourceDir[TEXT_SIZE];   // folder of the running program, no trailing backslash
    char programsDir[TEXT_SIZE];
    char programFilesDir[TEXT_SIZE];

    // setup.ini.
    char titleText[TEXT_SIZE];
    char infPath[TEXT_SIZE];
    char infPathDisk[TEXT_SIZE];
    char drvPathSys[TEXT_SIZE];
    char drvPathPdr[TEXT_SIZE];
    char fileNameSys[TEXT_SIZE];
    char fileNamePdr[TEXT_SIZE];
    char fileNameInf[TEXT_SIZE];
    char fileNameInfDisk[TEXT_SIZE];
    char fileNameIcon[TEXT_SIZE];
    char infProviderName[TEXT_SIZE];
    char vendorName[TEXT_SIZE];
    char productName[TEXT_SIZE];
    int32_t pnpMode;
    int32_t xdIcon;
    bool addRemoveEntry;   // [Pre_Define] AddRemoveEntry not 0: the entry in Add or Remove Programs

    // Device search.
    char matchedInstanceId[TEXT_SIZE];
};

extern SetupState setupState;

inline bool IsNtFamily(OsKind kind) { return kind >= OS_WIN2000; }
