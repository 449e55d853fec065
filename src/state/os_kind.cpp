#include "os_kind.h"

OsKind ClassifyOsVersion(const VersionRecord& version) {
    if (!version.queried) return OS_UNSUPPORTED;
    switch (version.major) {
    case 6:
        return version.x64Processor ? OS_VISTA64 : OS_VISTA;
    case 5:
        switch (version.minor) {
        case 0: return OS_WIN2000;
        case 1: return OS_WINXP;
        case 2: return OS_WINXP64;
        default: return OS_UNSUPPORTED;
        }
    case 4:
        switch ((version.buildNumber >> 16) & 0xFF) {
        case 10: return OS_WIN98;
        case 90: return OS_WINME;
        default: return OS_UNSUPPORTED;
        }
    default:
        return OS_UNSUPPORTED;
    }
}

bool IsLocalizedLanguage(uint16_t languageId) {
    static const uint16_t localized[] = {
        0x0404, 0x0405, 0x0406, 0x0407, 0x0408, 0x040B, 0x040C, 0x040E, 0x0410, 0x0411, 0x0412,
        0x0413, 0x0414, 0x0415, 0x0416, 0x0419, 0x041D, 0x041F, 0x0804, 0x0816, 0x0C0A,
    };
    for (uint16_t id : localized) {
        if (id == languageId) return true;
    }
    return false;
}

const char* OsKindName(OsKind kind) {
    switch (kind) {
    case OS_WIN98: return "Windows 98";
    case OS_WINME: return "Windows Me";
    case OS_WIN2000: return "Windows 2000";
    case OS_WINXP: return "Windows XP";
    case OS_WINXP64: return "Windows XP x64 or Server 2003";
    case OS_VISTA: return "Windows Vista";
    case OS_VISTA64: return "Windows Vista 64-bit";
    default: return "unsupported";
    }
}
