#include <windows.h>

#include "remove_installation.h"
#include "registry_cleanup.h"
#include "removal_plan.h"
#include "../device/device_list.h"
#include "../device/file_placement.h"
#include "../framework/late_bound.h"
#include "../install/uninstall_entry_paths.h"

namespace {

// A 32-bit program on 64-bit Windows sees SysWOW64 as system32: the driver lives in
// the real one. The switch exists from XP x64 on: looked up, never imported.
void DeleteFromRealSystemFolder(const char* path) {
    typedef BOOL(WINAPI * DisableProc)(PVOID*);
    typedef BOOL(WINAPI * RevertProc)(PVOID);
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    DisableProc disable = LateBound<DisableProc>(kernel, "Wow64DisableWow64FsRedirection");
    RevertProc revert = LateBound<RevertProc>(kernel, "Wow64RevertWow64FsRedirection");
    PVOID previous = nullptr;
    bool redirectionOff = disable && revert && disable(&previous);
    DeleteFileEvenReadOnly(path);
    if (redirectionOff) revert(previous);
}

void DeleteInstalledFiles() {
    InstalledFiles files;
    PlanInstalledFileDeletion(setupState, files);
    if (setupState.osKind < OS_WIN2000) {
        for (int i = 0; i < files.windows9xCount; ++i) DeleteFileEvenReadOnly(files.windows9xFiles[i].path);
    } else {
        DeleteOemInfCopies();
    }
    for (int i = 0; i < files.driverCount; ++i) {
        const FileDeletion& file = files.driverFiles[i];
        if (file.inSystemDriversFolder) {
            DeleteFromRealSystemFolder(file.path);
        } else {
            DeleteFileEvenReadOnly(file.path);
        }
    }

    UninstallEntryPaths entry;
    if (!ComposeUninstallEntryPaths(setupState, entry)) return;
    DeleteFileEvenReadOnly(entry.shortcut);
    DeleteAddRemoveEntry();
    RemoveDirectoryA(entry.menuFolder);
    RemoveDirectoryA(entry.menuVendorFolder);
    // The copy of Setup.exe and its folder stay: the removal may be running from there.
    DeleteFileEvenReadOnly(entry.copiedConfiguration);
}

}  // namespace

bool RemoveInstallation() {
    DeleteDriveSettings();
    DeleteInstalledFiles();
    // Last, once every file and setting is gone.
    return RemovePresentDevice(setupState.matchedInstanceId);
}
