// The removal procedure.
#pragma once

// Removes what an installation left, then the device node found at start-up.
// Returns whether a device node matched for removal.
bool RemoveInstallation();
