#include "shortcut.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

namespace support {

Shortcut ReadShortcut(const std::string& path) {
    Shortcut shortcut;
    HRESULT init = CoInitialize(nullptr);
    IShellLinkA* link = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link)))) {
        IPersistFile* file = nullptr;
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            WCHAR widePath[MAX_PATH];
            MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, widePath, MAX_PATH);
            if (SUCCEEDED(file->Load(widePath, STGM_READ))) {
                char text[MAX_PATH] = {};
                shortcut.loaded = true;
                if (SUCCEEDED(link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH))) shortcut.target = text;
                text[0] = '\0';
                if (SUCCEEDED(link->GetArguments(text, MAX_PATH))) shortcut.arguments = text;
                text[0] = '\0';
                if (SUCCEEDED(link->GetIconLocation(text, MAX_PATH, &shortcut.iconIndex))) shortcut.iconFile = text;
            }
            file->Release();
        }
        link->Release();
    }
    if (SUCCEEDED(init)) CoUninitialize();
    return shortcut;
}

}  // namespace support
