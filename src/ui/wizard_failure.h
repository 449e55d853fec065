// The wizard's end when it cannot show a window it needs: its frame, or a page.
#pragma once
#include <windows.h>

// The exit code of a wizard that could not show its frame or one of its pages.
const int WIZARD_FAILED_EXIT_CODE = 3;

// Tells the user (a message box over `owner`, and the debugger output) that Setup
// cannot show the window made from resource `resourceId` for this system error, and
// ends here.
void ReportWizardFailure(HWND owner, unsigned resourceId, DWORD error);
