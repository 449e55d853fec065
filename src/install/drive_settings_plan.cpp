#include "drive_settings_plan.h"
#include "../text/bounded_text.h"

const char DRIVER_PARAMETERS_KEY[] = "System\\CurrentControlSet\\Services\\ZELK\\Parameters\\";
const char USB_ICON_KEY[] = "Software\\JOV Technologies\\USB Icon\\";

namespace {

// Up to four characters after the first occurrence of marker; empty when absent.
bool CodeAfter(const char* id, const char* marker, char (&code)[5]) {
    code[0] = '\0';
    const char* found = FindText(id, marker);
    if (!found) return false;
    found += TextLength(marker);
    size_t n = 0;
    while (n < 4 && found[n]) {
        code[n] = found[n];
        ++n;
    }
    code[n] = '\0';
    return true;
}

void AddText(DriveSettings& s, const char* name, const char* text) {
    SettingValue& v = s.values[s.count++];
    CopyText(v.name, name);
    v.isDword = false;
    CopyText(v.text, text);
}

void AddDword(DriveSettings& s, const char* name, uint32_t value) {
    SettingValue& v = s.values[s.count++];
    CopyText(v.name, name);
    v.isDword = true;
    v.dword = value;
}

// "PnPDisk", the icon value, "IconExist", "XDIcon": the NT family's switches.
void AddSwitches(DriveSettings& s, const SetupState& state) {
    AddDword(s, "PnPDisk", state.pnpDiskEnabled ? 1 : 0);
    char iconValueName[TEXT_SIZE];
    if (ComposeIconValueName(state.hardwareId, iconValueName, sizeof iconValueName)) {
        AddText(s, iconValueName, state.fileNameIcon);
    }
    AddDword(s, "IconExist", 1);
    AddDword(s, "XDIcon", state.xdIcon != 0 ? 1 : 0);
}

void AddName(DriveSettingNames& r, const char* name) {
    if (CopyText(r.names[r.count], name)) ++r.count;
}

}  // namespace

bool ComposeIconValueName(const char* hardwareId, char* dst, size_t size) {
    char pid[5];
    char vid[5];
    if (!CodeAfter(hardwareId, "PID_", pid) || !CodeAfter(hardwareId, "VID_", vid)) {
        if (size) dst[0] = '\0';
        return false;
    }
    return Compose(dst, size, "IconName_%s%s", pid, vid);
}

void DefaultDriveNames(DriveNames& names) {
    CopyText(names.sd, "SD Drive");
    CopyText(names.ms, "MS Drive");
    CopyText(names.sm, "SM Drive");
    CopyText(names.cf, "CF Drive");
    CopyText(names.xd, "XD Drive");
}

void PlanDriveSettings(const SetupState& state, const DriveNames& names, DriveSettings& s) {
    s.count = 0;
    if (state.osKind >= OS_WINXP) {
        s.key = DRIVER_PARAMETERS_KEY;
        AddText(s, "SD Name", names.sd);
        AddText(s, "MS Name", names.ms);
        AddText(s, "SM Name", names.sm);
        AddText(s, "CF Name", names.cf);
        AddText(s, "XD Name", names.xd);
        AddSwitches(s, state);
    } else if (state.osKind == OS_WIN2000) {
        s.key = DRIVER_PARAMETERS_KEY;
        AddSwitches(s, state);
    } else {
        s.key = USB_ICON_KEY;
        AddText(s, "Icon Name", state.fileNameIcon);
    }
}

void PlanDriveSettingsRemoval(const SetupState& state, DriveSettingNames& r) {
    r.count = 0;
    char iconValueName[TEXT_SIZE];
    bool hasIconValue = ComposeIconValueName(state.hardwareId, iconValueName, sizeof iconValueName);
    if (state.osKind >= OS_WINXP) {
        r.key = DRIVER_PARAMETERS_KEY;
        static const char* const names[] = {"SD Name", "MS Name", "SM Name", "XD Name", "CF Name", "PnPDisk", "XDIcon"};
        for (const char* name : names) AddName(r, name);
        if (hasIconValue) AddName(r, iconValueName);
        AddName(r, "IconExist");
    } else if (state.osKind == OS_WIN2000) {
        r.key = DRIVER_PARAMETERS_KEY;
        AddName(r, "PnPDisk");
        if (hasIconValue) AddName(r, iconValueName);
        AddName(r, "IconExist");
    } else {
        r.key = USB_ICON_KEY;
        AddName(r, "Icon Name");
    }
}
