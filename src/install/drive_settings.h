#pragma once

#include "../journal/journal.h"

// Writes the drive names and icon settings of the running family into the registry.
void WriteDriveSettings(Journal& journal);
