#include <windows.h>

#include "remove_installation.h"
#include "registry_cleanup.h"
#include "removal_plan.h"
#include "../device/device_list.h"
#include "../install/uninstall_entry_paths.h"

namespace {

void DeleteInstalledFiles(FilePlacement& files, Journal& journal) {
    InstalledFiles installed;
    PlanInstalledFileDeletion(setupState, installed);
    if (setupState.osKind < OS_WIN2000) {
        for (int i = 0; i < installed.windows9xCount; ++i) files.Delete(installed.windows9xFiles[i].path);
    } else {
        DeleteOemInfCopies(files);
    }
    for (int i = 0; i < installed.driverCount; ++i) {
        const FileDeletion& file = installed.driverFiles[i];
        if (file.inSystemDriversFolder) {
            files.DeleteFromRealSystemFolder(file.path);
        } else {
            files.Delete(file.path);
        }
    }

    UninstallEntryPaths entry;
    if (!ComposeUninstallEntryPaths(setupState, entry)) return;
    files.Delete(entry.shortcut);
    DeleteAddRemoveEntry(journal);
    files.RemoveFolder(entry.menuFolder);
    if (entry.hasProductFolder) files.RemoveFolder(entry.menuVendorFolder);
    // The copy of Setup.exe and its folder stay: the removal may be running from there.
    files.Delete(entry.copiedConfiguration);
}

}  // namespace

bool RemoveInstallation(FilePlacement& files, Journal& journal) {
    DeleteDriveSettings(journal);
    DeleteInstalledFiles(files, journal);
    // Last, once every file and setting is gone.
    return RemovePresentDevice(setupState.matchedInstanceId, journal);
}
