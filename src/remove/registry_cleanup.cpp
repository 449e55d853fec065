#include <windows.h>

#include "registry_cleanup.h"
#include "removal_plan.h"
#include "subkey_walk.h"
#include "../device/file_placement.h"
#include "../install/add_remove_entry_plan.h"
#include "../install/drive_settings_plan.h"
#include "../install/registry_values.h"
#include "../text/bounded_text.h"

namespace {

const char DRIVE_ICONS_KEY[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\DriveIcons";
const char ENUM_KEY[] = "System\\CurrentControlSet\\Enum";
const char CLASS_KEY[] = "System\\CurrentControlSet\\Control\\Class\\";
const char DRIVER_SERVICE[] = "ZELK";

// A string value, always terminated; false when missing, not a string or too long.
bool ReadString(HKEY key, const char* name, char (&value)[TEXT_SIZE]) {
    DWORD type = 0;
    DWORD size = sizeof value;
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ) || (size == sizeof value && value[size - 1] != '\0')) {
        value[0] = '\0';
        return false;
    }
    value[size < sizeof value ? size : sizeof value - 1] = '\0';
    return true;
}

bool ReadStringOf(const char* keyPath, const char* name, char (&value)[TEXT_SIZE]) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return false;
    bool read = ReadString(key, name, value);
    RegCloseKey(key);
    return read;
}

bool DriveKeyIsOurs(HKEY driveIcons, const char* drive) {
    char iconKey[TEXT_SIZE];
    char defaultIcon[TEXT_SIZE];
    HKEY key;
    if (!ComposeInto(iconKey, "%s\\DefaultIcon", drive) ||
        RegOpenKeyExA(driveIcons, iconKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        return false;
    }
    bool ours = ReadString(key, nullptr, defaultIcon) &&
                DefaultIconNamesLibrary(defaultIcon, setupState.fileNameIcon, setupState.isLeadByte);
    RegCloseKey(key);
    return ours;
}

// Deletes a key under DriveIcons, recorded; true when it is gone.
bool DeleteDriveIconsKey(HKEY driveIcons, const char* name, Journal& journal) {
    char path[2 * TEXT_SIZE];
    LONG deleted = RegDeleteKeyA(driveIcons, name);
    if (!Compose(path, sizeof path, "HKLM\\%s\\%s", DRIVE_ICONS_KEY, name)) CopyText(path, name);
    journal.Record(Act::DeleteKey, path, Outcome::Of(deleted == ERROR_SUCCESS, static_cast<uint32_t>(deleted)));
    return deleted == ERROR_SUCCESS;
}

// True when the drive key is gone afterwards.
bool DeleteDriveKey(HKEY driveIcons, const char* drive, Journal& journal) {
    char iconKey[TEXT_SIZE];
    if (ComposeInto(iconKey, "%s\\DefaultIcon", drive)) DeleteDriveIconsKey(driveIcons, iconKey, journal);
    return DeleteDriveIconsKey(driveIcons, drive, journal);
}

// A key that holds neither values nor subkeys.
bool IsEmptyKey(HKEY key) {
    DWORD subKeys = 1, values = 1;
    return RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, &values, nullptr, nullptr,
                            nullptr, nullptr) == ERROR_SUCCESS &&
           subKeys == 0 && values == 0;
}

// The subkeys of an open key, as RegEnumKeyExA reads them.
class RegistrySubkeys : public SubkeyWalk {
public:
    explicit RegistrySubkeys(HKEY key) : key_(key) {}

    SubkeyRead Read(uint32_t index, char* name, size_t size) override {
        DWORD length = static_cast<DWORD>(size);
        LONG status = RegEnumKeyExA(key_, index, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (status == ERROR_NO_MORE_ITEMS) return SubkeyRead::End;
        return status == ERROR_SUCCESS ? SubkeyRead::Found : SubkeyRead::Failed;
    }

protected:
    HKEY key_;
};

// The drive keys of DriveIcons whose DefaultIcon names our icon library go.
class OurDriveIcons final : public RegistrySubkeys {
public:
    OurDriveIcons(HKEY driveIcons, Journal& journal) : RegistrySubkeys(driveIcons), journal_(journal) {}
    bool Visit(const char* drive) override {
        return DriveKeyIsOurs(key_, drive) && DeleteDriveKey(key_, drive, journal_);
    }

private:
    Journal& journal_;
};

void DeleteOurDriveIcons(Journal& journal) {
    HKEY driveIcons;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, DRIVE_ICONS_KEY, 0, KEY_ALL_ACCESS, &driveIcons) != ERROR_SUCCESS) return;
    OurDriveIcons walk(driveIcons, journal);
    int deleted = WalkSubkeys(walk);
    // DriveIcons itself goes only when our deletions left it empty.
    bool emptied = deleted > 0 && IsEmptyKey(driveIcons);
    RegCloseKey(driveIcons);
    if (emptied) {
        char path[TEXT_SIZE];
        LONG gone = RegDeleteKeyA(HKEY_LOCAL_MACHINE, DRIVE_ICONS_KEY);
        ComposeInto(path, "HKLM\\%s", DRIVE_ICONS_KEY);
        journal.Record(Act::DeleteKey, path, Outcome::Of(gone == ERROR_SUCCESS, static_cast<uint32_t>(gone)));
    }
}

void DeleteOemInfCopiesOf(const char* instanceKey, FilePlacement& files) {
    char service[TEXT_SIZE];
    char driver[TEXT_SIZE];
    char classKey[TEXT_SIZE];
    char infPath[TEXT_SIZE];
    char stem[TEXT_SIZE];
    char file[TEXT_SIZE];
    HKEY instance;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, instanceKey, 0, KEY_QUERY_VALUE, &instance) != ERROR_SUCCESS) return;
    bool ours = ReadString(instance, "Service", service) && TextEquals(service, DRIVER_SERVICE) &&
                ReadString(instance, "Driver", driver);
    RegCloseKey(instance);
    if (!ours || !ComposeInto(classKey, "%s%s", CLASS_KEY, driver) || !ReadStringOf(classKey, "InfPath", infPath) ||
        !InfStemToDelete(infPath, setupState.isLeadByte, stem, sizeof stem)) {
        return;
    }
    if (ComposeInto(file, "%s\\inf\\%s.inf", setupState.windowsDir, stem)) files.Delete(file);
    if (ComposeInto(file, "%s\\inf\\%s.pnf", setupState.windowsDir, stem)) files.Delete(file);
}

// Each instance of the device names the driver store's copies to delete.
class OemInfCopies final : public RegistrySubkeys {
public:
    OemInfCopies(HKEY device, const char* instancePrefix, FilePlacement& files)
        : RegistrySubkeys(device), prefix_(instancePrefix), files_(files) {}
    bool Visit(const char* instance) override {
        char instanceKey[TEXT_SIZE];
        if (ComposeInto(instanceKey, "%s%s", prefix_, instance)) DeleteOemInfCopiesOf(instanceKey, files_);
        return false;
    }

private:
    const char* prefix_;
    FilePlacement& files_;
};

// Deletes the values of an open key, each recorded.
void DeleteValues(HKEY key, const char* keyPath, const char* const* names, int count, Journal& journal) {
    for (int i = 0; i < count; ++i) {
        char path[2 * TEXT_SIZE];
        LONG deleted = RegDeleteValueA(key, names[i]);
        ComposeValuePath(keyPath, names[i], path, sizeof path);
        journal.Record(Act::DeleteValue, path, Outcome::Of(deleted == ERROR_SUCCESS, static_cast<uint32_t>(deleted)));
    }
}

// The Add or Remove Programs entry this uninstall folder gives, opened with `access`
// (query at least) when it is there and ours.
bool OpenOurAddRemoveEntry(const SetupState& state, AddRemoveEntry& entry, REGSAM access, HKEY& key) {
    if (!ComposeAddRemoveEntry(state, entry) ||
        RegOpenKeyExA(HKEY_LOCAL_MACHINE, entry.key, 0, KEY_QUERY_VALUE | access, &key) != ERROR_SUCCESS) {
        return false;
    }
    char uninstallString[TEXT_SIZE];
    if (ReadString(key, "UninstallString", uninstallString) &&
        TextEquals(uninstallString, entry.values[UNINSTALL_STRING_VALUE].text)) {
        return true;
    }
    RegCloseKey(key);
    return false;
}

}  // namespace

void DeleteDriveSettings(Journal& journal) {
    DriveSettingNames removal;
    PlanDriveSettingsRemoval(setupState, removal);
    const char* names[sizeof removal.names / sizeof removal.names[0]];
    for (int i = 0; i < removal.count; ++i) names[i] = removal.names[i];
    HKEY key;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, removal.key, 0, const_cast<char*>(""), REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr) == ERROR_SUCCESS) {
        DeleteValues(key, removal.key, names, removal.count, journal);
        RegCloseKey(key);
    }
    if (setupState.osKind == OS_WIN2000) DeleteOurDriveIcons(journal);
}

void DeleteOemInfCopies(FilePlacement& files) {
    char deviceKey[TEXT_SIZE];
    char prefix[TEXT_SIZE];
    // The copies lie in the Windows folder's inf folder: none to delete in an unknown one.
    if (!setupState.windowsDir[0] || !ComposeInto(deviceKey, "%s\\%s", ENUM_KEY, setupState.hardwareId) ||
        !ComposeInto(prefix, "%s\\", deviceKey)) {
        return;
    }
    HKEY device;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, deviceKey, 0, KEY_ENUMERATE_SUB_KEYS, &device) != ERROR_SUCCESS) return;
    OemInfCopies walk(device, prefix, files);
    WalkSubkeys(walk);
    RegCloseKey(device);
}

void DeleteAddRemoveEntry(Journal& journal) {
    AddRemoveEntry entry;
    HKEY key;
    if (!OpenOurAddRemoveEntry(setupState, entry, KEY_SET_VALUE, key)) return;
    DeleteValues(key, entry.key, ADD_REMOVE_VALUE_NAMES, ADD_REMOVE_VALUE_COUNT, journal);
    // The key goes only when our deletions left it empty.
    bool emptied = IsEmptyKey(key);
    RegCloseKey(key);
    if (emptied) {
        char path[TEXT_SIZE + 8];
        LONG gone = RegDeleteKeyA(HKEY_LOCAL_MACHINE, entry.key);
        ComposeInto(path, "HKLM\\%s", entry.key);
        journal.Record(Act::DeleteKey, path, Outcome::Of(gone == ERROR_SUCCESS, static_cast<uint32_t>(gone)));
    }
}

bool HasOurAddRemoveEntry(const SetupState& state) {
    AddRemoveEntry entry;
    HKEY key;
    if (!OpenOurAddRemoveEntry(state, entry, 0, key)) return false;
    RegCloseKey(key);
    return true;
}
