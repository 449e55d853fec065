// The restart enables the shutdown privilege before it asks Windows to restart: at the
// moment of the request, the process token holds SeShutdownPrivilege enabled. Wine
// restarts whatever the token says, so the request is caught on its way to the system
// and the token looked at then.
#include <gtest/gtest.h>

#include <string>

#include "device/restart.h"
#include "import_hook.h"

namespace {

struct Request {
    int calls = 0;
    UINT flags = 0;
    bool privilegeEnabled = false;
};

Request request;

// Whether this process's token has the shutdown privilege enabled.
bool ShutdownPrivilegeEnabled() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return false;
    PRIVILEGE_SET wanted = {1, PRIVILEGE_SET_ALL_NECESSARY, {}};
    LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &wanted.Privilege[0].Luid);
    BOOL enabled = FALSE;
    PrivilegeCheck(token, &wanted, &enabled);
    CloseHandle(token);
    return enabled != FALSE;
}

void SetShutdownPrivilege(bool enabled) {
    HANDLE token = nullptr;
    OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES, &token);
    TOKEN_PRIVILEGES privileges = {1, {}};
    LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid);
    privileges.Privileges[0].Attributes = enabled ? SE_PRIVILEGE_ENABLED : 0;
    AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
    CloseHandle(token);
}

BOOL WINAPI RecordExitWindows(UINT flags, DWORD) {
    ++request.calls;
    request.flags = flags;
    request.privilegeEnabled = ShutdownPrivilegeEnabled();
    return TRUE;   // and Windows goes on running
}

}  // namespace

TEST(Restart, EnablesTheShutdownPrivilegeAndRestartsWithForce) {
    support::ImportHook hook("user32.dll", "ExitWindowsEx", reinterpret_cast<void*>(RecordExitWindows));
    ASSERT_TRUE(hook.Installed()) << "this program calls ExitWindowsEx other than by its import table";
    SetShutdownPrivilege(false);
    ASSERT_FALSE(ShutdownPrivilegeEnabled()) << "the privilege cannot be switched off before the test";

    RestartWindows();
    EXPECT_EQ(1, request.calls);
    EXPECT_TRUE(request.privilegeEnabled) << "SeShutdownPrivilege was not enabled when the restart was asked for";
    EXPECT_EQ(std::string("EWX_REBOOT | EWX_FORCE"),
              std::string(request.flags == (EWX_REBOOT | EWX_FORCE) ? "EWX_REBOOT | EWX_FORCE"
                                                                    : "flags " + std::to_string(request.flags)));
}
