// What a removal deletes, composed before anything is deleted.
#pragma once
#include "../state/setup_state.h"

struct FileDeletion {
    char path[TEXT_SIZE];
    bool inSystemDriversFolder;   // on 64-bit Windows: the real one, not the 32-bit view
};

// The driver files an installation placed into the Windows folders, each list in the
// order of deletion. Names that are not bare file names, and files in a folder that is
// unknown (empty), are left out.
struct InstalledFiles {
    FileDeletion windows9xFiles[3];   // below 2000: iosubsys, inf\other, inf
    int windows9xCount;
    FileDeletion driverFiles[2];      // every family: the driver and the icon library
    int driverCount;
};
void PlanInstalledFileDeletion(const SetupState& state, InstalledFiles& plan);

// The driver store's copy named by a class key's "InfPath" ("oem12.inf"): the name
// without its four-byte extension. False for a name, or a stem, that is not bare, for a
// name shorter than five bytes, and for the system's own "usbstor".
bool InfStemToDelete(const char* infPath, LeadBytePredicate isLeadByte, char* stem, size_t size);

// A DriveIcons "DefaultIcon" value ("C:\WINDOWS\ZELKI_J.dll,3", quotes allowed) names
// the icon library iconLibrary (a bare file name; ASCII letter case ignored).
bool DefaultIconNamesLibrary(const char* defaultIcon, const char* iconLibrary, LeadBytePredicate isLeadByte);
