// The removal's registry cleanup on Windows 2000: of the Explorer's DriveIcons, only
// the drive keys that name our icon library go, and DriveIcons itself only when
// their deletion left it empty.
#include <gtest/gtest.h>

#include "journal/journal.h"

#include <cstring>
#include <string>

#include "state/setup_state.h"
#include "remove/registry_cleanup.h"
#include "files.h"
#include "names.h"
#include "registry.h"

using namespace support;

namespace {

const std::string DRIVE_ICONS = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\DriveIcons";

void CreateKey(const std::string& path) {
    HKEY key;
    LONG status = RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                                  nullptr);
    ASSERT_EQ(ERROR_SUCCESS, status) << path << ": error " << support::ErrorName(static_cast<DWORD>(status));
    RegCloseKey(key);
}

void WriteDriveIcon(const std::string& drive, const std::string& defaultIcon) {
    WriteString(HKEY_LOCAL_MACHINE, DRIVE_ICONS + "\\" + drive + "\\DefaultIcon", "", defaultIcon);
}

}  // namespace

TEST(RegistryCleanup, DriveIconsGoesOnlyWhenOurDeletionsEmptiedIt) {
    Journal none;
    setupState = SetupState();
    setupState.osKind = OS_WIN2000;
    strcpy(setupState.fileNameIcon, "ZELKI_J.dll");
    strcpy(setupState.hardwareId, "USB\\VID_1234&PID_ABCD");
    const std::string ours = WindowsDir() + "\\ZELKI_J.dll,3";

    CreateKey(DRIVE_ICONS);
    DeleteDriveSettings(none);
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, DRIVE_ICONS)) << "empty before, and none of it ours";

    WriteDriveIcon("F", "C:\\other.dll,0");
    DeleteDriveSettings(none);
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, DRIVE_ICONS + "\\F\\DefaultIcon"));
    DeleteTree(HKEY_LOCAL_MACHINE, DRIVE_ICONS + "\\F");

    WriteDriveIcon("E", ours);
    WriteString(HKEY_LOCAL_MACHINE, DRIVE_ICONS, "Note", "not ours");
    DeleteDriveSettings(none);
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, DRIVE_ICONS + "\\E"));
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, DRIVE_ICONS)) << "a value of its own keeps it";

    DeleteTree(HKEY_LOCAL_MACHINE, DRIVE_ICONS);
    WriteDriveIcon("D", ours);
    WriteDriveIcon("E", ours);
    DeleteDriveSettings(none);
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, DRIVE_ICONS)) << "emptied by our deletions";
}
