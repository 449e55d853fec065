// Where the uninstall entry lives: a folder in the Start menu's programs with the
// shortcut, and one under Program Files with copies of Setup.exe and setup.ini.
#pragma once
#include "../state/setup_state.h"

// The copied Setup.exe's icon that the entry shows: its fifth icon group.
const int UNINSTALL_ICON_INDEX = 4;

struct UninstallEntryPaths {
    bool hasProductFolder;
    char menuVendorFolder[TEXT_SIZE];      // programsDir\vendor
    char programVendorFolder[TEXT_SIZE];   // programFilesDir\vendor
    char menuFolder[TEXT_SIZE];            // programsDir\vendor[\product]
    char programFolder[TEXT_SIZE];         // programFilesDir\vendor[\product]
    char copiedProgram[TEXT_SIZE];
    char copiedConfiguration[TEXT_SIZE];
    char shortcut[TEXT_SIZE];
};

// False when a path does not fit, when either base folder is unknown, or when the
// vendor or product name would lead out of the two folders (a drive, a rooted path,
// a "." or ".." part).
bool ComposeUninstallEntryPaths(const SetupState& state, UninstallEntryPaths& paths);
