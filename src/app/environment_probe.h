// What start-up asks of the running Windows.
#pragma once
#include "setup_state.h"

OsKind DetectOsKind();
bool UseLocalizedUi();
// Fills windowsDir, systemDir, sourceDir, programsDir and programFilesDir; needs osKind.
void FindSystemFolders();
