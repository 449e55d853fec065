#include "wizard_failure.h"
#include "../res/resource_ids.h"
#include "../text/bounded_text.h"

void ReportWizardFailure(HWND owner, unsigned resourceId, DWORD error) {
    // The system's own words for the error, when they fit; the number always.
    char reason[160] = "";
    if (!FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, reason,
                        sizeof reason, nullptr)) {
        reason[0] = '\0';
    }
    char text[320];
    if (!ComposeInto(text, "Setup cannot show its window %u (system error %u) and ends here.\r\n\r\n%s",
                     resourceId, static_cast<unsigned>(error), reason)) {
        ComposeInto(text, "Setup cannot show its window %u (system error %u) and ends here.", resourceId,
                    static_cast<unsigned>(error));
    }
    OutputDebugStringA(text);
    char title[64] = "";
    LoadStringA(GetModuleHandleA(nullptr), IDR_MAINFRAME, title, sizeof title);
    MessageBoxA(owner, text, title[0] ? title : "Setup", MB_OK | MB_ICONERROR);
}
