// The removal procedure.
#pragma once

#include "../device/file_placement.h"
#include "../journal/journal.h"

// Removes what an installation left, then the device node found at start-up. A file
// in use goes at the next restart (files.RestartPending()). Returns whether a device
// node matched for removal.
bool RemoveInstallation(FilePlacement& files, Journal& journal);
