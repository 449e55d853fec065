#include <windows.h>
#include <shlobj.h>

#include "environment_probe.h"
#include "../text/bounded_text.h"
#include "os_kind.h"
#include "../framework/late_bound.h"

namespace {

// GetNativeSystemInfo exists from XP on: looked up, never imported.
bool NativeProcessorIsX64() {
    typedef void(WINAPI * GetNativeSystemInfoProc)(LPSYSTEM_INFO);
    GetNativeSystemInfoProc getNativeSystemInfo =
        LateBound<GetNativeSystemInfoProc>(GetModuleHandleA("kernel32.dll"), "GetNativeSystemInfo");
    if (!getNativeSystemInfo) return false;
    SYSTEM_INFO info = {};
    getNativeSystemInfo(&info);
    return info.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_AMD64;
}

// A result the system could not give, or that does not fit, leaves the field empty.
void KeepIfFits(char* field, UINT length, UINT size) {
    if (length == 0 || length >= size) field[0] = '\0';
}

void SpecialFolder(IMalloc* allocator, int folder, char* dst) {
    dst[0] = '\0';
    LPITEMIDLIST items = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, folder, &items)) || !items) return;
    if (!SHGetPathFromIDListA(items, dst)) dst[0] = '\0';
    if (allocator) allocator->Free(items);
}

}  // namespace

OsKind DetectOsKind() {
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof info;
    VersionRecord version = {};
    version.queried = GetVersionExA(&info) != FALSE;
    version.major = info.dwMajorVersion;
    version.minor = info.dwMinorVersion;
    version.buildNumber = info.dwBuildNumber;
    version.x64Processor = version.queried && info.dwMajorVersion == 6 && NativeProcessorIsX64();
    return ClassifyOsVersion(version);
}

bool UseLocalizedUi() { return IsLocalizedLanguage(GetSystemDefaultLangID()); }

bool IsAnsiLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

void FindSystemFolders() {
    SetupState& s = setupState;
    KeepIfFits(s.windowsDir, GetWindowsDirectoryA(s.windowsDir, sizeof s.windowsDir), sizeof s.windowsDir);
    KeepIfFits(s.systemDir, GetSystemDirectoryA(s.systemDir, sizeof s.systemDir), sizeof s.systemDir);

    DWORD length = GetModuleFileNameA(nullptr, s.sourceDir, sizeof s.sourceDir);
    KeepIfFits(s.sourceDir, length, sizeof s.sourceDir);
    char* lastBackslash = nullptr;
    for (char* p = s.sourceDir; *p; p = CharNextA(p)) {
        if (*p == '\\') lastBackslash = p;
    }
    if (lastBackslash) *lastBackslash = '\0';

    IMalloc* allocator = nullptr;
    if (FAILED(SHGetMalloc(&allocator))) allocator = nullptr;
    SpecialFolder(allocator, CSIDL_PROGRAMS, s.programsDir);
    if (s.osKind <= OS_WIN98) {
        // The short form on drive C, whatever drive Windows is on.
        CopyText(s.programFilesDir, "C:\\Progra~1");
    } else {
        SpecialFolder(allocator, CSIDL_PROGRAM_FILES, s.programFilesDir);
    }
    if (allocator) allocator->Release();
}
