#include "setup_ini.h"
#include "../text/bounded_text.h"

namespace {

const char PRE_DEFINE[] = "Pre_Define";
const char DEFAULT_VENDOR[] = "ZELK";

typedef char (SetupState::*TextField)[TEXT_SIZE];

struct KeyRead {
    const char* section;
    const char* key;
    const char* fallback;
    TextField field;
};

#define FIELD(name) &SetupState::name

// Windows 98/Me keys, in the order they are read.
const KeyRead WIN9X_KEYS[] = {
    {"Win9XME_INFPath", "INFPath", "\\Win9xME\\ZELK6S.inf", FIELD(infPath)},
    {"Win9XME_INFPath", "INFPath_DISK", "\\Win9xME\\ZELKDISK.inf", FIELD(infPathDisk)},
    {"Win9XME_DRVPath", "DRVPath_SYS", "\\Win9xME\\ZELK6S.sys", FIELD(drvPathSys)},
    {"Win9XME_DRVPath", "DRVPath_PDR", "\\Win9xME\\ZELK6SP.pdr", FIELD(drvPathPdr)},
    {"Win9XME_FileName", "FileName_SYS", "ZELK6S.sys", FIELD(fileNameSys)},
    {"Win9XME_FileName", "FileName_PDR", "ZELK6Sp.pdr", FIELD(fileNamePdr)},
    {"Win9XME_FileName", "FileName_INF", "ZELK6S.inf", FIELD(fileNameInf)},
    {"Win9XME_FileName", "FileName_INF_DISK", "ZELKDISK.inf", FIELD(fileNameInfDisk)},
    {"Win9XME_FileName", "FileName_ICON", "ZELKI_J.dll", FIELD(fileNameIcon)},
    {"Win9XME_JOVName", "JOV_NAME", "", FIELD(infProviderName)},
};

// The NT family's INF section and its default, by family.
KeyRead NtInfKey(OsKind kind) {
    switch (kind) {
    case OS_WINXP64: return {"WinXP64_INFPath", "INFPath", "\\AMD64\\ZELK6SK.inf", FIELD(infPath)};
    case OS_VISTA: return {"Vista_INFPath", "INFPath", "\\VISTA\\ZELK6SK.inf", FIELD(infPath)};
    case OS_VISTA64: return {"Vista64_INFPath", "INFPath", "\\VISTA64\\ZELK6SK.inf", FIELD(infPath)};
    default: return {"Win2KXP_INFPath", "INFPath", "\\Win2KXP\\ZELK6SK.inf", FIELD(infPath)};
    }
}

const KeyRead NT_FILE_KEYS[] = {
    {"Win2KXP_FileName", "FileName_SYS", "ZELK6SK.sys", FIELD(fileNameSys)},
    {"Win2KXP_FileName", "FileName_ICON", "ZELKI_J.dll", FIELD(fileNameIcon)},
};

#undef FIELD

void Read(const IniSource& ini, const KeyRead& key, SetupState& state) {
    ini.ReadText(key.section, key.key, key.fallback, state.*key.field, TEXT_SIZE);
}

}  // namespace

void ReadSetupIni(const IniSource& ini, SetupState& state) {
    ini.ReadText("Version", "VersionDesc", "JOV QM4410 Setup", state.titleText, sizeof state.titleText);

    if (!IsNtFamily(state.osKind)) {
        for (const KeyRead& key : WIN9X_KEYS) Read(ini, key, state);
    } else {
        Read(ini, NtInfKey(state.osKind), state);
        for (const KeyRead& key : NT_FILE_KEYS) Read(ini, key, state);
    }

    state.pnpMode = ini.ReadInt(PRE_DEFINE, "PNP_Mode", -1);
    state.xdIcon = ini.ReadInt(PRE_DEFINE, "XDIcon", 0);
    ini.ReadText(PRE_DEFINE, "VendorName", DEFAULT_VENDOR, state.vendorName, sizeof state.vendorName);
    if (TextEquals(state.vendorName, DEFAULT_VENDOR)) {
        state.productName[0] = '\0';
    } else {
        ini.ReadText(PRE_DEFINE, "ProductName", "", state.productName, sizeof state.productName);
    }
    state.addRemoveEntry = ini.ReadInt(PRE_DEFINE, "AddRemoveEntry", 1) != 0;
}

void SearchConfiguredDevice(const IniSource& ini, PresenceProbe isPresent, void* context,
                            SetupState& state) {
    state.devicePresent = false;
    for (int i = 0; i < VENDOR_ENTRY_COUNT; ++i) {
        char key[16];
        ComposeInto(key, "Vendor%d", i);
        // Read with room to spare, so that an entry too long for a hardware id is seen as such.
        char entry[TEXT_SIZE];
        ini.ReadText("Vendors", key, "", entry, sizeof entry);
        if (!entry[0]) {
            state.vendorEntry[0] = '\0';
            break;
        }
        if (TextLength(entry) > MAX_VENDOR_ENTRY_LENGTH) {
            entry[sizeof state.vendorEntry - 1] = '\0';
            CopyText(state.vendorEntry, entry);
            continue;
        }
        CopyText(state.vendorEntry, entry);
        ComposeInto(state.hardwareId, "USB\\%s", state.vendorEntry);
        UpperCaseAscii(state.hardwareId);
        state.devicePresent = isPresent(state.hardwareId, context);
        if (state.devicePresent) break;
    }
}

bool ReadUserDriveNames(const IniSource& ini, DriveNames& names) {
    const char* section = "Win2KXP_DriveName";
    char userDefine[TEXT_SIZE];
    ini.ReadText(section, "UserDefine", "", userDefine, sizeof userDefine);
    if (userDefine[0] != '1') return false;
    ini.ReadText(section, "CF_Name", "", names.cf, sizeof names.cf);
    ini.ReadText(section, "SD_Name", "", names.sd, sizeof names.sd);
    ini.ReadText(section, "MS_Name", "", names.ms, sizeof names.ms);
    ini.ReadText(section, "SM_Name", "", names.sm, sizeof names.sm);
    ini.ReadText(section, "XD_Name", "", names.xd, sizeof names.xd);
    return true;
}
