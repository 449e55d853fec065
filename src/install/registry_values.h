// Writing a plan's registry values, and naming them in the run log.
#pragma once
#include <stddef.h>

#include "setting_value.h"
#include "../journal/journal.h"

// Opens or creates the key under HKEY_LOCAL_MACHINE (empty class, all access) and
// writes the values in turn, each recorded in the journal. False when the key could
// not be opened.
bool WriteSettingValues(const char* key, const SettingValue* values, int count, Journal& journal);

// "HKLM\key\name" for the journal; a key's trailing backslash is not doubled.
void ComposeValuePath(const char* key, const char* name, char* path, size_t size);
