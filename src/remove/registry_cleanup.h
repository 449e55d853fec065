#pragma once

// Deletes the drive names and icon settings the installation wrote; on Windows 2000
// also the Explorer's DriveIcons keys that name our icon library.
void DeleteDriveSettings();

// Deletes the driver store's copies (oemN.inf and oemN.pnf) of the setup information
// of every instance of the device that runs on the driver's service. NT family only.
void DeleteOemInfCopies();

// Deletes the entry in Add or Remove Programs, only when its UninstallString is the one
// this installation's uninstall folder gives; the key itself only when that left it
// empty.
void DeleteAddRemoveEntry();
