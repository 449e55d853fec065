// Writing a plan's registry values.
#pragma once
#include "setting_value.h"

// Opens or creates the key under HKEY_LOCAL_MACHINE (empty class, all access) and
// writes the values in turn. False when the key could not be opened.
bool WriteSettingValues(const char* key, const SettingValue* values, int count);
