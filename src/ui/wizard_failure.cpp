#include "wizard_failure.h"
#include "../res/resource_ids.h"
#include "../text/bounded_text.h"

namespace {

// ERROR_ELEVATION_REQUIRED, which Vista brought.
const DWORD ELEVATION_REQUIRED = 740;

// The system's own words for an error, in its language; empty when it has none that fit.
void SystemReason(DWORD error, char (&reason)[160]) {
    if (!FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, reason,
                        sizeof reason, nullptr)) {
        reason[0] = '\0';
    }
}

void ShowError(HWND owner, const char* text) {
    OutputDebugStringA(text);
    char title[64] = "";
    LoadStringA(GetModuleHandleA(nullptr), IDR_MAINFRAME, title, sizeof title);
    MessageBoxA(owner, text, title[0] ? title : "Setup", MB_OK | MB_ICONERROR);
}

}  // namespace

void ReportWizardFailure(HWND owner, unsigned resourceId, DWORD error) {
    // The system's own words for the error, when they fit; the number always.
    char reason[160];
    SystemReason(error, reason);
    char text[320];
    if (!ComposeInto(text, "Setup cannot show its window %u (system error %u) and ends here.\r\n\r\n%s",
                     resourceId, static_cast<unsigned>(error), reason)) {
        ComposeInto(text, "Setup cannot show its window %u (system error %u) and ends here.", resourceId,
                    static_cast<unsigned>(error));
    }
    ShowError(owner, text);
}

void ReportNotAdministrator() {
    // "Access is denied." in the system's language; Vista and later also know the
    // words for a program that needs an administrator's rights.
    char reason[160];
    SystemReason(ELEVATION_REQUIRED, reason);
    if (!reason[0]) SystemReason(ERROR_ACCESS_DENIED, reason);
    char text[320];
    if (!ComposeInto(text, "%s\r\nSetup must be run by an administrator. Nothing has been changed.", reason)) {
        ComposeInto(text, "Setup must be run by an administrator. Nothing has been changed.");
    }
    ShowError(nullptr, text);
}
