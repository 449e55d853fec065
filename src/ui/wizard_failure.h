// The wizard's end when it cannot go on: a window it needs cannot be shown, or the
// user may not install drivers.
#pragma once
#include <windows.h>

#include "../state/run_outcome.h"

// Tells the user (a message box over `owner`, and the debugger output) that Setup
// cannot show the window made from resource `resourceId` for this system error, and
// ends here. The wizard then exits with EXIT_WIZARD_FAILED.
void ReportWizardFailure(HWND owner, unsigned resourceId, DWORD error);

// Tells the user that an administrator must run Setup, with the system's own words
// for the reason. The wizard then exits with EXIT_NOT_ADMINISTRATOR.
void ReportNotAdministrator();
