#include "uninstall_entry_paths.h"
#include "../text/bounded_text.h"
#include "../state/file_names.h"

bool ComposeUninstallEntryPaths(const SetupState& s, UninstallEntryPaths& p) {
    p = UninstallEntryPaths();
    p.hasProductFolder = s.productName[0] != '\0';
    if (!s.programsDir[0] || !s.programFilesDir[0]) return false;
    if (!IsRelativeFolderPath(s.vendorName, s.isLeadByte)) return false;
    if (p.hasProductFolder && !IsRelativeFolderPath(s.productName, s.isLeadByte)) return false;

    char folderName[TEXT_SIZE];
    bool fits = p.hasProductFolder ? ComposeInto(folderName, "%s\\%s", s.vendorName, s.productName)
                                   : CopyText(folderName, s.vendorName);
    return fits && ComposeInto(p.menuVendorFolder, "%s\\%s", s.programsDir, s.vendorName) &&
           ComposeInto(p.programVendorFolder, "%s\\%s", s.programFilesDir, s.vendorName) &&
           ComposeInto(p.menuFolder, "%s\\%s", s.programsDir, folderName) &&
           ComposeInto(p.programFolder, "%s\\%s", s.programFilesDir, folderName) &&
           ComposeInto(p.copiedProgram, "%s\\%s", p.programFolder, "Setup.exe") &&
           ComposeInto(p.copiedConfiguration, "%s\\%s", p.programFolder, "Setup.ini") &&
           ComposeInto(p.shortcut, "%s\\%s", p.menuFolder, "Uninstall.lnk");
}
