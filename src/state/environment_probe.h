// What start-up asks of the running Windows.
#pragma once
#include "setup_state.h"

OsKind DetectOsKind();
bool UseLocalizedUi();
// The ANSI code page's first bytes of double-byte characters, for the name checks.
bool IsAnsiLeadByte(unsigned char byte);
// Fills windowsDir, systemDir, sourceDir, programsDir and programFilesDir; needs osKind.
void FindSystemFolders();
