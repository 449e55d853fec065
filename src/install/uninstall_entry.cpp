#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include "uninstall_entry.h"
#include "add_remove_entry_plan.h"
#include "registry_values.h"
#include "uninstall_entry_paths.h"
#include "../device/file_placement.h"
#include "../text/bounded_text.h"

namespace {

// The entry in Add or Remove Programs, when setup.ini wants one and the copy of
// Setup.exe that it starts is there.
void WriteAddRemoveEntry(const char* copiedProgram, Journal& journal) {
    const char* const what = "Add or Remove Programs entry";
    if (!setupState.addRemoveEntry) {
        journal.Fact(what, "not written: setup.ini sets AddRemoveEntry=0");
        return;
    }
    DWORD attributes = GetFileAttributesA(copiedProgram);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        journal.Fact(what, "not written: the copy of Setup.exe it would start is not there");
        return;
    }
    AddRemoveEntry entry;
    if (!ComposeAddRemoveEntry(setupState, entry)) {
        journal.Fact(what, "not written: its key or a value would be longer than 259 characters");
        return;
    }
    WriteSettingValues(entry.key, entry.values, entry.count, journal);
}

// Saves the link to the shortcut file, named in the system's ANSI code page.
HRESULT SaveShortcut(IShellLinkA* link, const char* shortcut) {
    IPersistFile* file = nullptr;
    HRESULT result = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
    if (FAILED(result)) return result;
    WCHAR path[MAX_PATH];
    if (MultiByteToWideChar(CP_ACP, 0, shortcut, -1, path, MAX_PATH) > 0) {
        result = file->Save(path, TRUE);
    } else {
        result = E_INVALIDARG;
    }
    file->Release();
    return result;
}

}  // namespace

HRESULT CreateUninstallEntry(FilePlacement& files, Journal& journal) {
    UninstallEntryPaths p;
    char sourceProgram[TEXT_SIZE];
    char sourceConfiguration[TEXT_SIZE];
    if (!ComposeUninstallEntryPaths(setupState, p) || !setupState.sourceDir[0] ||
        !ComposeInto(sourceProgram, "%s\\%s", setupState.sourceDir, "Setup.exe") ||
        !ComposeInto(sourceConfiguration, "%s\\%s", setupState.sourceDir, "Setup.ini")) {
        journal.Fact("uninstall entry", "not made: a folder is unknown, a name leads out of it, or a path is too long");
        return E_INVALIDARG;
    }

    files.CreateFolder(p.menuVendorFolder);
    files.CreateFolder(p.programVendorFolder);
    if (p.hasProductFolder) {
        files.CreateFolder(p.menuFolder);
        files.CreateFolder(p.programFolder);
    }
    files.CopyOver(sourceProgram, p.copiedProgram);
    files.CopyOver(sourceConfiguration, p.copiedConfiguration);
    WriteAddRemoveEntry(p.copiedProgram, journal);

    IShellLinkA* link = nullptr;
    HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                      reinterpret_cast<void**>(&link));
    if (SUCCEEDED(result)) {
        link->SetPath(p.copiedProgram);
        link->SetArguments("-u");
        link->SetIconLocation(p.copiedProgram, UNINSTALL_ICON_INDEX);
        result = SaveShortcut(link, p.shortcut);
        link->Release();
    }
    journal.Record(Act::SaveShortcut, p.shortcut, Outcome::Of(SUCCEEDED(result), static_cast<uint32_t>(result)));
    return result;
}
