#include <windows.h>

#include "installation_traces.h"
#include "registry_cleanup.h"
#include "removal_plan.h"
#include "../device/real_system_folder.h"
#include "../install/add_remove_entry_plan.h"
#include "../install/drive_settings_plan.h"
#include "../install/registry_values.h"
#include "../install/uninstall_entry_paths.h"
#include "../text/bounded_text.h"

namespace {

bool FileIsThere(const char* path) {
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Found(const char* what, char* found, size_t size) {
    CopyText(found, size, what);
    return true;
}

bool DriveSettingThere(const SetupState& s, char* found, size_t size) {
    DriveSettingNames names;
    PlanDriveSettingsRemoval(s, names);
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, names.key, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return false;
    bool there = false;
    for (int i = 0; i < names.count && !there; ++i) {
        there = RegQueryValueExA(key, names.names[i], nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
        if (there) ComposeValuePath(names.key, names.names[i], found, size);
    }
    RegCloseKey(key);
    return there;
}

bool InstalledFileThere(const SetupState& s, char* found, size_t size) {
    InstalledFiles files;
    PlanInstalledFileDeletion(s, files);
    for (int i = 0; i < files.windows9xCount; ++i) {
        if (FileIsThere(files.windows9xFiles[i].path)) return Found(files.windows9xFiles[i].path, found, size);
    }
    for (int i = 0; i < files.driverCount; ++i) {
        const FileDeletion& file = files.driverFiles[i];
        bool there;
        if (file.inSystemDriversFolder) {
            RealSystemFolderView view;
            there = FileIsThere(file.path);
        } else {
            there = FileIsThere(file.path);
        }
        if (there) return Found(file.path, found, size);
    }
    return false;
}

bool UninstallEntryThere(const SetupState& s, char* found, size_t size) {
    UninstallEntryPaths entry;
    if (!ComposeUninstallEntryPaths(s, entry)) return false;
    if (FileIsThere(entry.shortcut)) return Found(entry.shortcut, found, size);
    if (FileIsThere(entry.copiedConfiguration)) return Found(entry.copiedConfiguration, found, size);
    AddRemoveEntry listed;
    if (HasOurAddRemoveEntry(s) && ComposeAddRemoveEntry(s, listed)) {
        char path[TEXT_SIZE + 8];
        ComposeInto(path, "HKLM\\%s", listed.key);
        return Found(path, found, size);
    }
    return false;
}

}  // namespace

bool FindInstallationTrace(const SetupState& s, char* found, size_t size) {
    if (size) found[0] = '\0';
    return DriveSettingThere(s, found, size) || InstalledFileThere(s, found, size) ||
           UninstallEntryThere(s, found, size);
}
