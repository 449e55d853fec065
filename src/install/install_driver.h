// The installation procedure.
#pragma once

#include "../device/file_placement.h"
#include "../journal/journal.h"

// Installs the driver for the running Windows family: the drive settings, the tray
// monitor, the helper installer and, once it has run, the driver files. The caller
// then makes the uninstall entry or tells the wizard. True when the helper installer
// ran to its end within its limit.
bool InstallDriver(FilePlacement& files, Journal& journal);
