// Whether anything of ours is installed: a read-only look at start-up for what a
// removal would delete.
#pragma once
#include <stddef.h>

#include "../state/setup_state.h"

// True when one of them is there: a drive setting the removal deletes, the driver or
// the icon library in the Windows folders, the Windows 98/Me files, the uninstall
// shortcut, the copied setup.ini, or the Add or Remove Programs entry that names our
// uninstall folder. What was found first goes to `found` (a path, or HKLM\key\value).
// Nothing is written or created.
bool FindInstallationTrace(const SetupState& state, char* found, size_t size);
