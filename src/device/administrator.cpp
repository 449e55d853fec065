#include <windows.h>

#include "administrator.h"
#include "../framework/late_bound.h"

namespace {

typedef BOOL(WINAPI* AllocateSidProc)(PSID_IDENTIFIER_AUTHORITY, BYTE, DWORD, DWORD, DWORD, DWORD, DWORD, DWORD,
                                      DWORD, DWORD, PSID*);
typedef PVOID(WINAPI* FreeSidProc)(PSID);
typedef BOOL(WINAPI* CheckMembershipProc)(HANDLE, PSID, PBOOL);

}  // namespace

Membership AdministratorsMembership() {
    // From Windows 2000 on; looked up, never imported.
    HMODULE advapi = GetModuleHandleA("advapi32.dll");
    AllocateSidProc allocate = LateBound<AllocateSidProc>(advapi, "AllocateAndInitializeSid");
    FreeSidProc free = LateBound<FreeSidProc>(advapi, "FreeSid");
    CheckMembershipProc check = LateBound<CheckMembershipProc>(advapi, "CheckTokenMembership");
    if (!allocate || !free || !check) return Membership::Unknown;

    SID_IDENTIFIER_AUTHORITY ntAuthority = SECURITY_NT_AUTHORITY;
    PSID administrators = nullptr;
    if (!allocate(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0,
                  &administrators)) {
        return Membership::Unknown;
    }
    BOOL member = FALSE;
    bool answered = check(nullptr, administrators, &member) != FALSE;
    free(administrators);
    if (!answered) return Membership::Unknown;
    return member ? Membership::Member : Membership::NotMember;
}
