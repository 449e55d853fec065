// Whether the process runs with the rights of the machine's Administrators group.
#pragma once

enum class Membership { Member, NotMember, Unknown };

// The process token (or the thread's, when it impersonates) is an enabled member of
// BUILTIN\Administrators. The local system account is one. Unknown where the check
// does not exist (Windows 98 and Me) or the system could not answer.
Membership AdministratorsMembership();
