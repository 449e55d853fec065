#include "plan_report.h"
#include "../text/bounded_text.h"

namespace {

const char* const PNP_DISK_IN_WIZARD[] = {
    "",
    "; the wizard asks on its PnP disk page",
    "; the wizard sets 1 without asking",
    "; the wizard sets 0 without asking",
};

void PrintValue(const SettingValue& v, WizardPnpDisk pnpDisk, ReportWriter& out) {
    out.Put("    ").Value(v.name).Put(" = ");
    if (v.isDword) {
        out.Number(static_cast<long>(v.dword)).Put(" (REG_DWORD");
        if (TextEquals(v.name, "PnPDisk")) out.Put(" in a quiet run").Put(PNP_DISK_IN_WIZARD[pnpDisk]);
        out.Put(")");
    } else {
        out.Put("\"").Value(v.text).Put("\" (REG_SZ)");
    }
    out.EndLine();
}

void PrintCopy(const char* source, const char* destination, ReportWriter& out) {
    out.Put("    ").Value(source).Put(" -> ").Value(destination).EndLine();
}

void PrintHelper(const FamilyPlan& plan, ReportWriter& out) {
    out.Put("  helper, waited for at most ").Number(HELPER_TIME_LIMIT_SECONDS).Put(" seconds: ")
        .Value(plan.install.helperPath).EndLine();
    for (int i = 0; i < plan.readerCount; ++i) {
        const Reader& reader = plan.readers[i];
        out.Put("    command line for ").Value(reader.key).Put(": ");
        if (reader.helperRunnable) {
            out.Value(reader.commandLine).EndLine();
        } else {
            out.Put("(too long: not run)").EndLine();
        }
    }
    if (plan.installsWithoutReader) {
        out.Put("    command line with no configured reader plugged in: ").Value(plan.commandLineWithoutReader)
            .EndLine();
    }
}

void PrintInstallation(const FamilyPlan& plan, ReportWriter& out) {
    out.Put("Installation");
    if (plan.readerCount > 0) {
        out.Put(", for the reader of ").Value(plan.readers[0].key).Put(" (").Value(plan.state.hardwareId).Put(")");
    }
    out.Put(":").EndLine();
    if (plan.install.driverToUnlock[0]) {
        out.Put("  first made writable: ").Value(plan.install.driverToUnlock).EndLine();
    }
    out.Put("  registry HKLM\\").Value(plan.settings.key).EndLine();
    for (int i = 0; i < plan.settings.count; ++i) PrintValue(plan.settings.values[i], plan.wizardPnpDisk, out);
    if (plan.install.registerTrayMonitor) {
        const FileCopy& monitor = plan.install.trayMonitor;
        out.Line("  tray monitor:");
        PrintCopy(monitor.source, monitor.destination, out);
        out.Put("    registry HKLM\\").Put(TRAY_MONITOR_RUN_KEY).Put(": ").Put(TRAY_MONITOR_RUN_VALUE).Put(" = \"")
            .Value(monitor.destination).Put("\" (REG_SZ)").EndLine();
    }
    PrintHelper(plan, out);
    out.Line("  after the helper has run, copied:");
    for (int i = 0; i < plan.install.copyCount; ++i) {
        PrintCopy(plan.install.copies[i].source, plan.install.copies[i].destination, out);
    }
    if (plan.install.copyCount == 0) out.Line("    nothing");
}

void PrintDriveNames(const FamilyPlan& plan, ReportWriter& out) {
    out.Put("Drive names: ");
    bool named = false;
    for (int i = 0; i < plan.settings.count; ++i) named = named || TextEquals(plan.settings.values[i].name, "SD Name");
    if (!named) {
        out.Put("none on this family").EndLine();
        return;
    }
    const DriveNames& n = plan.driveNames;
    out.Put("SD \"").Value(n.sd).Put("\", MS \"").Value(n.ms).Put("\", SM \"").Value(n.sm).Put("\", CF \"")
        .Value(n.cf).Put("\", XD \"").Value(n.xd).Put("\"");
    if (plan.userDriveNames) {
        out.Put(" (from [Win2KXP_DriveName])");
    } else {
        out.Put(" (built in; a Traditional Chinese (Taiwan) system gets its own)");
    }
    out.EndLine();
}

bool Is64BitFamily(OsKind kind) { return kind == OS_WINXP64 || kind == OS_VISTA64; }

void PrintAddRemoveEntry(const FamilyPlan& plan, ReportWriter& out) {
    const AddRemoveEntry& a = plan.addRemove;
    if (!plan.addRemoveComposed) {
        out.Line("  Add or Remove Programs: none (see the findings)");
        return;
    }
    if (!plan.state.addRemoveEntry) {
        out.Line("  Add or Remove Programs: none, [Pre_Define] AddRemoveEntry is 0");
        return;
    }
    out.Put("  Add or Remove Programs: registry HKLM\\").Value(a.key).EndLine();
    if (Is64BitFamily(plan.state.osKind)) {
        out.Line("    (the 32-bit view: 64-bit Windows keeps it under HKLM\\Software\\Wow6432Node)");
    }
    for (int i = 0; i < a.count; ++i) PrintValue(a.values[i], PNP_DISK_NOT_OFFERED, out);
}

void PrintUninstallEntry(const FamilyPlan& plan, ReportWriter& out) {
    const UninstallEntryPaths& e = plan.entry;
    if (!plan.entryComposed) {
        out.Line("Uninstall entry: none (see the findings)");
        return;
    }
    out.Line("Uninstall entry:");
    out.Put("  folder ").Value(e.menuFolder).Put(", with the shortcut ").Value(e.shortcut).EndLine();
    out.Put("    to \"").Value(e.copiedProgram).Put("\" -u").EndLine();
    out.Put("  folder ").Value(e.programFolder).Put(", with copies:").EndLine();
    PrintCopy(plan.setupSource, e.copiedProgram, out);
    PrintCopy(plan.iniSource, e.copiedConfiguration, out);
    PrintAddRemoveEntry(plan, out);
}

void PrintFile(const char* what, const char* path, ReportWriter& out) {
    out.Put("  ").Put(what).Put(" ").Value(path).EndLine();
}

void PrintRemoval(const FamilyPlan& plan, ReportWriter& out) {
    if (plan.readerCount == 0) {
        out.Line("Removal: none, it needs a configured reader plugged in");
        return;
    }
    out.Line("Removal deletes:");
    const DriveSettingNames& names = plan.settingsRemoval;
    out.Put("  registry HKLM\\").Value(names.key).Put(": ");
    for (int i = 0; i < names.count; ++i) out.Put(i ? ", " : "").Value(names.names[i]);
    out.EndLine();
    if (plan.state.osKind == OS_WIN2000) {
        out.Put("  Explorer's DriveIcons keys whose DefaultIcon names ").Value(plan.state.fileNameIcon).EndLine();
    }
    const InstalledFiles& files = plan.filesRemoval;
    for (int i = 0; i < files.windows9xCount; ++i) PrintFile("file", files.windows9xFiles[i].path, out);
    if (IsNtFamily(plan.state.osKind)) {
        out.Line("  the driver store's oemN.inf and oemN.pnf of every instance of the reader");
    }
    for (int i = 0; i < files.driverCount; ++i) PrintFile("file", files.driverFiles[i].path, out);
    if (plan.entryComposed) {
        PrintFile("file", plan.entry.shortcut, out);
        PrintFile("folder, when empty,", plan.entry.menuFolder, out);
        if (plan.entry.hasProductFolder) PrintFile("folder, when empty,", plan.entry.menuVendorFolder, out);
        PrintFile("file", plan.entry.copiedConfiguration, out);
    }
    if (plan.addRemoveComposed) {
        out.Put("  registry HKLM\\").Value(plan.addRemove.key).Put(", when its UninstallString is \"")
            .Value(plan.addRemove.values[UNINSTALL_STRING_VALUE].text).Put("\": its values, then the key when empty")
            .EndLine();
    }
    out.Line("  the reader's device node");
}

}  // namespace

void PrintFamilyPlan(const Family& family, const FamilyPlan& plan, ReportWriter& out) {
    out.EndLine();
    out.Put("== ").Put(family.title).Put(" (").Put(family.name).Put(")").EndLine();
    if (plan.readerCount > 0 || plan.installsWithoutReader) {
        PrintInstallation(plan, out);
        PrintDriveNames(plan, out);
        PrintUninstallEntry(plan, out);
    } else {
        out.Line("Installation: none, it needs a configured reader plugged in on this family");
    }
    PrintRemoval(plan, out);
}
