// The installation procedure.
#pragma once

enum class InstallEnding {
    CreateUninstallEntry,   // quiet mode, on the main thread
    PostCompletion,         // the wizard's worker thread: tell the main frame
};

// Installs the driver for the running Windows family. True when the helper
// installer ran to its end within its limit.
bool InstallDriver(InstallEnding ending);
