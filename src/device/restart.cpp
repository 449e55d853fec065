#include <windows.h>

#include "restart.h"

int RestartWindows() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) {
        OutputDebugStringA("OpenProcessToken");
    }

    TOKEN_PRIVILEGES privileges = {};
    LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid);
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
    if (GetLastError() != ERROR_SUCCESS) OutputDebugStringA("AdjustTokenPrivileges");
    if (token) CloseHandle(token);

    if (!ExitWindowsEx(EWX_REBOOT | EWX_FORCE, 0)) OutputDebugStringA("ExitWindowsEx");
    return 0;
}
