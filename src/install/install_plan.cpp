#include "install_plan.h"
#include "../text/bounded_text.h"
#include "../state/file_names.h"

const char TRAY_MONITOR_RUN_KEY[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const char TRAY_MONITOR_RUN_VALUE[] = "HidMonitor";

namespace {

const char TRAY_MONITOR[] = "TRAYM.exe";

const char* HelperName(OsKind kind) {
    switch (kind) {
    case OS_WINXP64:
    case OS_VISTA64:
        return "Tarnel64.exe";
    case OS_WINME:
    case OS_WIN2000:
    case OS_WINXP:
    case OS_VISTA:
        return "Tarnel2k.exe";
    default:
        return "Tarnel98.exe";   // Windows 98, and what start-up cannot tell apart
    }
}

// The device argument: the [Vendors] entry as written for 2000, XP and XP x64, the
// upper-cased hardware id for the others.
const char* DeviceArgument(const SetupState& s) {
    switch (s.osKind) {
    case OS_WIN2000:
    case OS_WINXP:
    case OS_WINXP64:
        return s.vendorEntry;
    default:
        return s.hardwareId;
    }
}

void AddCopy(InstallPlan& plan, const SetupState& s, const char* destinationName, bool sourceFits,
             const char* source, const char* destinationFormat, const char* destinationFolder) {
    FileCopy& copy = plan.copies[plan.copyCount];
    if (!sourceFits || !destinationFolder[0] || !IsBareFileName(destinationName, s.isLeadByte)) return;
    if (!CopyText(copy.source, source)) return;
    if (!ComposeInto(copy.destination, destinationFormat, destinationFolder, destinationName)) return;
    ++plan.copyCount;
}

void AddCopyFromDisc(InstallPlan& plan, const SetupState& s, const char* relativeSource,
                     const char* destinationName, const char* destinationFormat, const char* destinationFolder) {
    char source[TEXT_SIZE];
    bool fits = ComposeInto(source, "%s%s", s.sourceDir, relativeSource);
    AddCopy(plan, s, destinationName, fits, source, destinationFormat, destinationFolder);
}

void AddIconLibraryCopy(InstallPlan& plan, const SetupState& s) {
    char source[TEXT_SIZE];
    bool fits = IsBareFileName(s.fileNameIcon, s.isLeadByte) &&
                ComposeInto(source, "%s\\%s", s.sourceDir, s.fileNameIcon);
    AddCopy(plan, s, s.fileNameIcon, fits, source, "%s\\%s", s.windowsDir);
}

void PlanTrayMonitor(InstallPlan& plan, const SetupState& s) {
    FileCopy& monitor = plan.trayMonitor;
    plan.registerTrayMonitor = s.windowsDir[0] && ComposeInto(monitor.source, "%s\\%s", s.sourceDir, TRAY_MONITOR) &&
                               ComposeInto(monitor.destination, "%s\\%s", s.windowsDir, TRAY_MONITOR);
}

}  // namespace

void PlanInstallation(const SetupState& s, InstallPlan& plan) {
    plan = InstallPlan();
    plan.helperName = HelperName(s.osKind);
    // Every step reads from the disc; an unknown folder would be the current drive's root.
    if (!s.sourceDir[0]) return;
    bool pathFits = ComposeInto(plan.helperPath, "%s\\%s", s.sourceDir, plan.helperName);

    bool infFits = ComposeInto(plan.infSource, "%s%s", s.sourceDir, s.infPath);

    if (s.osKind < OS_WINME) {
        if (s.windowsDir[0] && IsBareFileName(s.fileNameSys, s.isLeadByte)) {
            ComposeInto(plan.driverToUnlock, "%s\\system32\\drivers\\%s", s.windowsDir, s.fileNameSys);
        }
        bool lineFits = ComposeInto(plan.commandLine, "\"%s\\%s\" \"%s\" ENUM\\%s", s.sourceDir, plan.helperName,
                                    plan.infSource, s.hardwareId);
        plan.helperRunnable = pathFits && infFits && lineFits;
        PlanTrayMonitor(plan, s);
        AddCopyFromDisc(plan, s, s.drvPathSys, s.fileNameSys, "%s\\system32\\drivers\\%s", s.windowsDir);
        AddCopyFromDisc(plan, s, s.drvPathPdr, s.fileNamePdr, "%s\\iosubsys\\%s", s.systemDir);
        AddCopyFromDisc(plan, s, s.infPathDisk, s.fileNameInfDisk, "%s\\inf\\%s", s.windowsDir);
        AddIconLibraryCopy(plan, s);
    } else {
        bool lineFits = ComposeInto(plan.commandLine, "%s\\%s \"%s\" %s", s.sourceDir, plan.helperName, plan.infSource,
                                    DeviceArgument(s));
        plan.helperRunnable = pathFits && infFits && lineFits;
        if (s.osKind == OS_WINME) PlanTrayMonitor(plan, s);
        AddIconLibraryCopy(plan, s);
    }
}
