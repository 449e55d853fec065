#pragma once
#include <windows.h>

#include "../device/file_placement.h"
#include "../journal/journal.h"

// Makes the uninstall entry: the folders, the copies of Setup.exe and setup.ini, the
// entry in Add or Remove Programs, and the shortcut "Uninstall.lnk" that starts the
// copy with "-u". Main thread only (COM).
HRESULT CreateUninstallEntry(FilePlacement& files, Journal& journal);
