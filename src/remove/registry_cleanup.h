#pragma once

#include "../device/file_placement.h"
#include "../journal/journal.h"
#include "../state/setup_state.h"

// Deletes the drive names and icon settings the installation wrote; on Windows 2000
// also the Explorer's DriveIcons keys that name our icon library.
void DeleteDriveSettings(Journal& journal);

// Deletes the driver store's copies (oemN.inf and oemN.pnf) of the setup information
// of every instance of the device that runs on the driver's service. NT family only.
void DeleteOemInfCopies(FilePlacement& files);

// Deletes the entry in Add or Remove Programs, only when its UninstallString is the one
// this installation's uninstall folder gives; the key itself only when that left it
// empty.
void DeleteAddRemoveEntry(Journal& journal);

// The entry in Add or Remove Programs is there and ours (as above). Reads only.
bool HasOurAddRemoveEntry(const SetupState& state);
