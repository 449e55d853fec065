// Why Setup.exe refuses a name from setup.ini, in words for the disc's author. Whether
// it refuses one is decided by IsBareFileName and IsRelativeFolderPath alone.
#pragma once
#include "../text/double_byte.h"

// For a name IsBareFileName refuses.
const char* WhyNotBareFileName(const char* name, LeadBytePredicate isLeadByte);

// For a path IsRelativeFolderPath refuses.
const char* WhyNotRelativeFolderPath(const char* path, LeadBytePredicate isLeadByte);

// The known name closest to `name` in spelling, when it is at most two letters away
// (letter case ignored); null otherwise.
const char* ClosestName(const char* name, const char* const* known, int count);
