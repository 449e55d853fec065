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
void WriteAddRemoveEntry(const char* copiedProgram) {
    AddRemoveEntry entry;
    DWORD attributes = GetFileAttributesA(copiedProgram);
    if (!setupState.addRemoveEntry || attributes == INVALID_FILE_ATTRIBUTES ||
        (attributes & FILE_ATTRIBUTE_DIRECTORY) || !ComposeAddRemoveEntry(setupState, entry)) {
        return;
    }
    WriteSettingValues(entry.key, entry.values, entry.count);
}

}  // namespace

HRESULT CreateUninstallEntry() {
    UninstallEntryPaths p;
    char sourceProgram[TEXT_SIZE];
    char sourceConfiguration[TEXT_SIZE];
    if (!ComposeUninstallEntryPaths(setupState, p) || !setupState.sourceDir[0] ||
        !ComposeInto(sourceProgram, "%s\\%s", setupState.sourceDir, "Setup.exe") ||
        !ComposeInto(sourceConfiguration, "%s\\%s", setupState.sourceDir, "Setup.ini")) {
        return E_INVALIDARG;
    }

    CreateDirectoryA(p.menuVendorFolder, nullptr);
    CreateDirectoryA(p.programVendorFolder, nullptr);
    if (p.hasProductFolder) {
        CreateDirectoryA(p.menuFolder, nullptr);
        CreateDirectoryA(p.programFolder, nullptr);
    }
    CopyFileOver(sourceProgram, p.copiedProgram);
    CopyFileOver(sourceConfiguration, p.copiedConfiguration);
    WriteAddRemoveEntry(p.copiedProgram);

    IShellLinkA* link = nullptr;
    HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                      reinterpret_cast<void**>(&link));
    if (FAILED(result)) return result;
    link->SetPath(p.copiedProgram);
    link->SetArguments("-u");
    link->SetIconLocation(p.copiedProgram, UNINSTALL_ICON_INDEX);

    IPersistFile* file = nullptr;
    result = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
    if (SUCCEEDED(result)) {
        WCHAR shortcut[MAX_PATH];
        if (MultiByteToWideChar(CP_ACP, 0, p.shortcut, -1, shortcut, MAX_PATH) > 0) {
            result = file->Save(shortcut, TRUE);
        } else {
            result = E_INVALIDARG;
        }
        file->Release();
    }
    link->Release();
    return result;
}
