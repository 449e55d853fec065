#include <windows.h>
#include <ole2.h>

#include "com_module.h"
#include "registration_request.h"
#include "../text/bounded_text.h"
#include "../framework/late_bound.h"
#include "../res/resource_ids.h"

// The registrar's interface, declared outside the anonymous namespace: there the
// compiler would see no implementation of it and turn every call into a pure call.
struct IRegistrar : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE AddReplacement(LPCOLESTR key, LPCOLESTR item) = 0;
    virtual HRESULT STDMETHODCALLTYPE ClearReplacements() = 0;
    virtual HRESULT STDMETHODCALLTYPE ResourceRegisterSz(LPCOLESTR file, LPCOLESTR id, LPCOLESTR type) = 0;
    virtual HRESULT STDMETHODCALLTYPE ResourceUnregisterSz(LPCOLESTR file, LPCOLESTR id, LPCOLESTR type) = 0;
    virtual HRESULT STDMETHODCALLTYPE FileRegister(LPCOLESTR file) = 0;
    virtual HRESULT STDMETHODCALLTYPE FileUnregister(LPCOLESTR file) = 0;
    virtual HRESULT STDMETHODCALLTYPE StringRegister(LPCOLESTR data) = 0;
    virtual HRESULT STDMETHODCALLTYPE StringUnregister(LPCOLESTR data) = 0;
    virtual HRESULT STDMETHODCALLTYPE ResourceRegister(LPCOLESTR file, UINT id, LPCOLESTR type) = 0;
    virtual HRESULT STDMETHODCALLTYPE ResourceUnregister(LPCOLESTR file, UINT id, LPCOLESTR type) = 0;
};

namespace {

// The system's registrar, which runs a registration script resource.
const CLSID CLSID_Registrar = {0x44EC053A, 0x400F, 0x11D0, {0x9D, 0xCD, 0x00, 0xA0, 0xC9, 0x03, 0x91, 0xD3}};
const IID IID_IRegistrar = {0x44EC053B, 0x400F, 0x11D0, {0x9D, 0xCD, 0x00, 0xA0, 0xC9, 0x03, 0x91, 0xD3}};

bool ToWide(const char* text, WCHAR* dst, int size) {
    return MultiByteToWideChar(CP_ACP, 0, text, -1, dst, size) > 0;
}

// The program's short path; the script's %Module% has its single quotes doubled.
bool ModuleShortPath(HINSTANCE instance, char* dst, DWORD size) {
    char longPath[MAX_PATH];
    DWORD length = GetModuleFileNameA(instance, longPath, sizeof longPath);
    if (length == 0 || length >= sizeof longPath) return false;
    DWORD shortLength = GetShortPathNameA(longPath, dst, size);
    return shortLength > 0 && shortLength < size;
}

bool DoubleSingleQuotes(const char* text, char* dst, size_t size) {
    size_t used = 0;
    for (; *text; ++text) {
        size_t need = *text == '\'' ? 2 : 1;
        if (used + need >= size) return false;
        dst[used++] = *text;
        if (*text == '\'') dst[used++] = '\'';
    }
    dst[used] = '\0';
    return true;
}

void RunRegistrationScript(HINSTANCE instance, bool reg) {
    IRegistrar* registrar = nullptr;
    if (FAILED(CoCreateInstance(CLSID_Registrar, nullptr, CLSCTX_INPROC_SERVER, IID_IRegistrar,
                                reinterpret_cast<void**>(&registrar)))) {
        return;
    }
    char shortPath[MAX_PATH];
    char quoted[2 * MAX_PATH];
    WCHAR wideShort[MAX_PATH];
    WCHAR wideQuoted[2 * MAX_PATH];
    if (ModuleShortPath(instance, shortPath, sizeof shortPath) &&
        DoubleSingleQuotes(shortPath, quoted, sizeof quoted) &&
        ToWide(shortPath, wideShort, MAX_PATH) && ToWide(quoted, wideQuoted, 2 * MAX_PATH)) {
        registrar->AddReplacement(L"Module", wideQuoted);
        if (reg) {
            registrar->ResourceRegister(wideShort, IDR_APPID_REGISTRY, L"REGISTRY");
        } else {
            registrar->ResourceUnregister(wideShort, IDR_APPID_REGISTRY, L"REGISTRY");
        }
    }
    registrar->Release();
}

bool IsLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

// The automation library serves the registration requests only, so it is loaded for
// them rather than at every start. UnRegisterTypeLib is missing from its early builds.
class AutomationLibrary {
public:
    typedef HRESULT(WINAPI* LoadTypeLibProc)(LPCOLESTR, ITypeLib**);
    typedef HRESULT(WINAPI* RegisterTypeLibProc)(ITypeLib*, LPCOLESTR, LPCOLESTR);
    typedef HRESULT(WINAPI* UnRegisterTypeLibProc)(REFGUID, WORD, WORD, LCID, SYSKIND);
    typedef BSTR(WINAPI* SysAllocStringProc)(const OLECHAR*);
    typedef void(WINAPI* SysFreeStringProc)(BSTR);

    AutomationLibrary() : module_(LoadLibraryA("oleaut32.dll")) {
        loadTypeLib = LateBound<LoadTypeLibProc>(module_, "LoadTypeLib");
        registerTypeLib = LateBound<RegisterTypeLibProc>(module_, "RegisterTypeLib");
        unRegisterTypeLib = LateBound<UnRegisterTypeLibProc>(module_, "UnRegisterTypeLib");
        sysAllocString = LateBound<SysAllocStringProc>(module_, "SysAllocString");
        sysFreeString = LateBound<SysFreeStringProc>(module_, "SysFreeString");
    }
    ~AutomationLibrary() {
        if (module_) FreeLibrary(module_);
    }
    AutomationLibrary(const AutomationLibrary&) = delete;
    AutomationLibrary& operator=(const AutomationLibrary&) = delete;

    LoadTypeLibProc loadTypeLib;
    RegisterTypeLibProc registerTypeLib;
    UnRegisterTypeLibProc unRegisterTypeLib;
    SysAllocStringProc sysAllocString;
    SysFreeStringProc sysFreeString;

private:
    HMODULE module_;
};

// The program carries no type library; one named like it with ".tlb" beside it is used.
ITypeLib* LoadOwnTypeLibrary(const AutomationLibrary& automation, HINSTANCE instance, WCHAR* loadedFrom, int size) {
    if (!automation.loadTypeLib) return nullptr;
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(instance, path, sizeof path);
    if (length == 0 || length >= sizeof path) return nullptr;
    ITypeLib* library = nullptr;
    if (ToWide(path, loadedFrom, size) && SUCCEEDED(automation.loadTypeLib(loadedFrom, &library))) return library;
    char besides[MAX_PATH];
    if (!TypeLibraryPathBeside(path, IsLeadByte, besides, sizeof besides)) return nullptr;
    if (ToWide(besides, loadedFrom, size) && SUCCEEDED(automation.loadTypeLib(loadedFrom, &library))) return library;
    return nullptr;
}

void RegisterTypeLibrary(HINSTANCE instance) {
    AutomationLibrary automation;
    WCHAR path[MAX_PATH];
    ITypeLib* library = LoadOwnTypeLibrary(automation, instance, path, MAX_PATH);
    if (!library) return;
    if (automation.registerTypeLib && automation.sysAllocString && automation.sysFreeString) {
        // The help folder: the path up to and including its last separator.
        WCHAR folder[MAX_PATH];
        int cut = 0;
        for (int i = 0; path[i]; ++i) {
            if (path[i] == L'\\' || path[i] == L'/' || path[i] == L':') cut = i + 1;
        }
        for (int i = 0; i < cut; ++i) folder[i] = path[i];
        folder[cut] = L'\0';
        BSTR pathString = automation.sysAllocString(path);
        BSTR folderString = automation.sysAllocString(folder);
        if (pathString && folderString) automation.registerTypeLib(library, pathString, folderString);
        automation.sysFreeString(pathString);
        automation.sysFreeString(folderString);
    }
    library->Release();
}

void UnregisterTypeLibrary(HINSTANCE instance) {
    AutomationLibrary automation;
    WCHAR path[MAX_PATH];
    ITypeLib* library = LoadOwnTypeLibrary(automation, instance, path, MAX_PATH);
    if (!library) return;
    TLIBATTR* attributes = nullptr;
    if (automation.unRegisterTypeLib && SUCCEEDED(library->GetLibAttr(&attributes))) {
        automation.unRegisterTypeLib(attributes->guid, attributes->wMajorVerNum, attributes->wMinorVerNum,
                                     attributes->lcid, attributes->syskind);
        library->ReleaseTLibAttr(attributes);
    }
    library->Release();
}

}  // namespace

bool InitComModule(HINSTANCE instance, bool& started) {
    started = true;
    if (FAILED(CoInitialize(nullptr))) {
        started = false;
        return false;
    }
    // The program serves no COM class of its own, so there is no class object to
    // register; only the two requests below do any work.
    switch (FindComRequest(GetCommandLineA())) {
    case ComRequest::Unregister:
        RunRegistrationScript(instance, false);
        UnregisterTypeLibrary(instance);
        break;
    case ComRequest::Register:
        RunRegistrationScript(instance, true);
        RegisterTypeLibrary(instance);
        break;
    case ComRequest::None:
        return true;
    }
    started = false;
    CoUninitialize();
    return false;
}

void ShutdownComModule(bool& started) {
    if (!started) return;
    started = false;
    CoUninitialize();
}
