#include "wizard_flow.h"

namespace {
WizardStep Go(unsigned message, uintptr_t wParam = 0) { return {message, wParam}; }
}

WizardStep AfterWelcome(bool confirmed, const SetupState& s) {
    if (!confirmed) return Go(WM_WIZ_CONFIRM_EXIT, RETURN_TO_WELCOME);
    if (s.uninstallMode) {
        if (!s.devicePresent) return Go(WM_WIZ_NO_DEVICE);
        return Go(s.driverInstalled ? WM_WIZ_REMOVE : WM_WIZ_NOT_INSTALLED);
    }
    // Windows 98 installs without a detected reader.
    if (!s.devicePresent && s.osKind != OS_WIN98) return Go(WM_WIZ_NO_DEVICE);
    return Go(s.osKind < OS_WIN2000 ? WM_WIZ_INSTALL : WM_WIZ_PNPDISK);
}

bool PnpDiskIsPreset(int32_t pnpMode) { return pnpMode != -1; }

bool PresetPnpDiskEnabled(int32_t pnpMode) { return pnpMode == 1; }

WizardStep AfterPnpDiskPage(bool confirmed) {
    return confirmed ? Go(WM_WIZ_INSTALL) : Go(WM_WIZ_CONFIRM_EXIT, RETURN_TO_PNP_DISK);
}

WizardStep AfterExitConfirmation(bool confirmed, uintptr_t returnTo) {
    if (confirmed) return END_WIZARD;
    return Go(returnTo == RETURN_TO_PNP_DISK ? WM_WIZ_PNPDISK : WM_WIZ_WELCOME);
}

