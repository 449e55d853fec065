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

// The running program's folder, without the trailing backslash. A program path that
// the system may have cut, or a folder too long for the field, leaves it empty.
void FindProgramFolder(char (&folder)[TEXT_SIZE]) {
    folder[0] = '\0';
    // A path of MAX_PATH characters takes up to twice as many bytes in a double-byte
    // code page. A result that comes near the end of the buffer may have been cut, and
    // not always with an error: a cut may stop a byte short of the end, before a
    // double-byte character that does not fit.
    char path[4 * MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    if (length == 0 || length + 2 >= sizeof path) return;
    path[length] = '\0';
    char* lastBackslash = nullptr;
    for (char* p = path; *p; p = CharNextA(p)) {
        if (*p == '\\') lastBackslash = p;
    }
    if (!lastBackslash) return;
    *lastBackslash = '\0';
    CopyText(folder, path);
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

    FindProgramFolder(s.sourceDir);

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
