// Classification of the running Windows into its family.
#pragma once
#include <stdint.h>
#include "setup_state.h"

struct VersionRecord {
    bool queried;          // the version query succeeded
    uint32_t major;
    uint32_t minor;
    uint32_t buildNumber;  // the 95 family keeps its minor version in bits 16..23
    bool x64Processor;     // native processor architecture is x64 (looked at for 6.x only)
};

OsKind ClassifyOsVersion(const VersionRecord& version);

// "Windows XP", "Windows Vista 64-bit", "unsupported".
const char* OsKindName(OsKind kind);

// The system languages whose wizard texts come from our string tables.
bool IsLocalizedLanguage(uint16_t languageId);
