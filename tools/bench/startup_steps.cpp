// The system calls Setup.exe's start-up has to make before it decides what to do, and
// nothing else: the Windows version and language, the folders (the shell), setup.ini,
// the present-device list, COM for the thread, and a message loop that ends at once.
// Its time against an empty program is what those steps cost; Setup.exe's against it
// is what the program adds.
#include <windows.h>
#include <objbase.h>
#include <setupapi.h>
#include <shlobj.h>

namespace {

void SpecialFolder(IMalloc* allocator, int folder) {
    LPITEMIDLIST items = nullptr;
    char path[MAX_PATH];
    if (FAILED(SHGetSpecialFolderLocation(nullptr, folder, &items)) || !items) return;
    SHGetPathFromIDListA(items, path);
    if (allocator) allocator->Free(items);
}

void WalkPresentDevices() {
    HDEVINFO devices = SetupDiGetClassDevsA(nullptr, nullptr, nullptr, DIGCF_PRESENT | DIGCF_ALLCLASSES);
    if (devices == INVALID_HANDLE_VALUE) return;
    SP_DEVINFO_DATA element = {};
    element.cbSize = sizeof element;
    char instanceId[260];
    for (DWORD index = 0; SetupDiEnumDeviceInfo(devices, index, &element); ++index) {
        SetupDiGetDeviceInstanceIdA(devices, &element, instanceId, sizeof instanceId, nullptr);
    }
    SetupDiDestroyDeviceInfoList(devices);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    GetSystemDefaultLangID();

    char path[MAX_PATH];
    GetWindowsDirectoryA(path, sizeof path);
    GetSystemDirectoryA(path, sizeof path);
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    while (length > 0 && path[length - 1] != '\\') --length;
    lstrcpynA(path + length, "setup.ini", MAX_PATH - length);
    char value[260];
    GetPrivateProfileStringA("Version", "VersionDesc", "", value, sizeof value, path);
    GetPrivateProfileStringA("Vendors", "Vendor0", "", value, sizeof value, path);

    IMalloc* allocator = nullptr;
    if (FAILED(SHGetMalloc(&allocator))) allocator = nullptr;
    SpecialFolder(allocator, CSIDL_PROGRAMS);
    SpecialFolder(allocator, CSIDL_PROGRAM_FILES);
    if (allocator) allocator->Release();

    WalkPresentDevices();
    bool com = SUCCEEDED(CoInitialize(nullptr));

    PostQuitMessage(0);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    if (com) CoUninitialize();
    return 0;
}
