#include <gtest/gtest.h>
#include <cstring>
#include <string>
#include <vector>

#include "setting_values.h"
#include "install/drive_settings_plan.h"

namespace {

SetupState State(OsKind kind, const char* hardwareId = "USB\\VID_1A2B&PID_3C4D") {
    SetupState s{};
    s.osKind = kind;
    s.pnpDiskEnabled = true;
    s.xdIcon = 5;
    strcpy(s.hardwareId, hardwareId);
    strcpy(s.fileNameIcon, "ZELKI_J.dll");
    return s;
}

std::vector<std::string> Values(const DriveSettings& settings) { return Described(settings.values, settings.count); }

DriveSettings Plan(const SetupState& s) {
    DriveNames names = {"Slot 1", "Slot 2", "Slot 3", "Slot 4", "Slot 5"};
    DriveSettings settings;
    memset(&settings, 0x5A, sizeof settings);
    PlanDriveSettings(s, names, settings);
    return settings;
}

std::vector<std::string> Removal(const SetupState& s, const char** key) {
    DriveSettingNames removal;
    memset(&removal, 0x5A, sizeof removal);
    PlanDriveSettingsRemoval(s, removal);
    *key = removal.key;
    return std::vector<std::string>(removal.names, removal.names + removal.count);
}

}  // namespace

TEST(DriveSettingsPlan, IconValueNameFromTheHardwareId) {
    char out[TEXT_SIZE];
    struct { const char *id, *name; } cases[] = {   // name null: no icon value
        {"USB\\VID_1A2B&PID_3C4D", "IconName_3C4D1A2B"}, {"USB\\VID_1A2B&PID_3C4D&REV_0100", "IconName_3C4D1A2B"},
        {"USB\\VID_1A2B&PID_3C", "IconName_3C1A2B"},     {"USB\\PID_3C4D&VID_1A2B", "IconName_3C4D1A2B"},
        {"USB\\VID_1A2B&PID_3C4D&MI_00\\PID_9999&VID_8888", "IconName_3C4D1A2B"},
        {"USB\\VID_1A2B", nullptr}, {"USB\\PID_3C4D", nullptr}, {"", nullptr},
    };
    for (const auto& c : cases) {
        memset(out, '#', sizeof out);
        EXPECT_EQ(c.name != nullptr, ComposeIconValueName(c.id, out, sizeof out)) << c.id;
        EXPECT_STREQ(c.name ? c.name : "", out) << c.id;
    }
    char small[17];   // one short of "IconName_3C4D1A2B" and its terminator
    memset(small, '#', sizeof small);
    EXPECT_FALSE(ComposeIconValueName("USB\\VID_1A2B&PID_3C4D", small, sizeof small));
    EXPECT_STREQ("", small);
}

TEST(DriveSettingsPlan, ValuesOfEachFamily) {
    const std::vector<std::string> nt = {"PnPDisk#1", "IconName_3C4D1A2B=ZELKI_J.dll", "IconExist#1", "XDIcon#1"};
    std::vector<std::string> xp = {"SD Name=Slot 1", "MS Name=Slot 2", "SM Name=Slot 3", "CF Name=Slot 4",
                                   "XD Name=Slot 5"};
    xp.insert(xp.end(), nt.begin(), nt.end());
    for (OsKind kind : {OS_WINXP, OS_WINXP64, OS_VISTA, OS_VISTA64}) {
        DriveSettings settings = Plan(State(kind));
        EXPECT_STREQ("System\\CurrentControlSet\\Services\\ZELK\\Parameters\\", settings.key);
        EXPECT_EQ(xp, Values(settings)) << int(kind);
    }
    DriveSettings settings = Plan(State(OS_WIN2000));
    EXPECT_EQ(DRIVER_PARAMETERS_KEY, settings.key);
    EXPECT_EQ(nt, Values(settings));
    for (OsKind kind : {OS_UNSUPPORTED, OS_WIN98, OS_WINME}) {
        settings = Plan(State(kind));
        EXPECT_STREQ("Software\\JOV Technologies\\USB Icon\\", settings.key);
        EXPECT_EQ(std::vector<std::string>{"Icon Name=ZELKI_J.dll"}, Values(settings)) << int(kind);
    }

    // The switches follow the wizard and setup.ini; an id without PID_ or VID_ has no icon value.
    SetupState s = State(OS_WIN2000, "USB\\VID_1A2B");
    s.pnpDiskEnabled = false;
    s.xdIcon = 0;
    EXPECT_EQ((std::vector<std::string>{"PnPDisk#0", "IconExist#1", "XDIcon#0"}), Values(Plan(s)));
    s.xdIcon = -1;
    EXPECT_EQ("XDIcon#1", Values(Plan(s)).back());

    DriveNames names;
    DefaultDriveNames(names);
    EXPECT_EQ("SD Drive|MS Drive|SM Drive|CF Drive|XD Drive",
              std::string(names.sd) + "|" + names.ms + "|" + names.sm + "|" + names.cf + "|" + names.xd);
}

TEST(DriveSettingsPlan, RemovalNamesOfEachFamily) {
    const char* key = nullptr;
    for (OsKind kind : {OS_WINXP, OS_WINXP64, OS_VISTA, OS_VISTA64}) {
        EXPECT_EQ((std::vector<std::string>{"SD Name", "MS Name", "SM Name", "XD Name", "CF Name", "PnPDisk", "XDIcon",
                                            "IconName_3C4D1A2B", "IconExist"}),
                  Removal(State(kind), &key))
            << int(kind);
        EXPECT_EQ(DRIVER_PARAMETERS_KEY, key);
    }
    EXPECT_EQ((std::vector<std::string>{"PnPDisk", "IconName_3C4D1A2B", "IconExist"}), Removal(State(OS_WIN2000), &key));
    EXPECT_EQ(DRIVER_PARAMETERS_KEY, key);
    EXPECT_EQ((std::vector<std::string>{"PnPDisk", "IconExist"}), Removal(State(OS_WIN2000, "USB\\PID_3C4D"), &key));
    EXPECT_EQ(std::vector<std::string>{"Icon Name"}, Removal(State(OS_WIN98), &key));
    EXPECT_EQ(USB_ICON_KEY, key);
    EXPECT_EQ(8u, Removal(State(OS_VISTA, "USB\\VID_1A2B"), &key).size());
}
