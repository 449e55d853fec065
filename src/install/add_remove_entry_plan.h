// The program's entry in Add or Remove Programs (Programs and Features on Vista),
// written with the uninstall entry and deleted with it. The system's list reads it
// under HKEY_LOCAL_MACHINE; a 32-bit program's view is the one 64-bit Windows lists
// 32-bit programs from (Wow6432Node).
#pragma once
#include "setting_value.h"
#include "../state/setup_state.h"

extern const char ADD_REMOVE_PROGRAMS_KEY[];   // Software\Microsoft\Windows\CurrentVersion\Uninstall

// Every value the entry may hold; a removal deletes each of them.
const int ADD_REMOVE_VALUE_COUNT = 9;
extern const char* const ADD_REMOVE_VALUE_NAMES[ADD_REMOVE_VALUE_COUNT];

struct AddRemoveEntry {
    // The uninstall folder's name with a blank for each "\" or "/" ("Vendor Product"): one
    // key, never a path of keys. It is the DisplayName too.
    char keyName[TEXT_SIZE];
    char key[TEXT_SIZE];   // ADD_REMOVE_PROGRAMS_KEY\keyName
    // DisplayName, UninstallString and QuietUninstallString first, then the others in
    // the order of ADD_REMOVE_VALUE_NAMES; a value without text is left out.
    SettingValue values[ADD_REMOVE_VALUE_COUNT];
    int count;
};
const int UNINSTALL_STRING_VALUE = 1;   // "<copied Setup.exe>" -u: whose entry it is

// False, and no entry, when the uninstall entry's paths are refused (a name leading out
// of its base folder, an unknown base folder, a path that does not fit) or when the key
// or a value does not fit its 260 bytes. Nothing is cut.
bool ComposeAddRemoveEntry(const SetupState& state, AddRemoveEntry& entry);
