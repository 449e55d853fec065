#include "pages.h"
#include "page_texts.h"
#include "../state/setup_state.h"
#include "../res/resource_ids.h"

namespace {

bool IsClick(WORD id, WORD code, int button) { return id == button && code == BN_CLICKED; }

bool IsChecked(HWND button) { return SendMessageA(button, BM_GETCHECK, 0, 0) > 0; }

}  // namespace

WelcomePage::WelcomePage() : Dialog(IDD_WELCOME) {}

bool WelcomePage::DoDataExchange(bool) {
    static const int texts[] = {IDC_WELCOME_TEXT, IDC_WELCOME_HINT, IDC_WELCOME_NEXT, IDC_WELCOME_CANCEL};
    LocalizePage(Handle(), IDD_WELCOME, texts, true);
    return true;
}

bool WelcomePage::OnCommand(WORD id, WORD code) {
    if (IsClick(id, code, IDC_WELCOME_NEXT)) {
        OnOK();
        return true;
    }
    if (IsClick(id, code, IDC_WELCOME_CANCEL)) {
        OnCancel();
        return true;
    }
    return false;
}

PnpDiskPage::PnpDiskPage() : Dialog(IDD_PNP_DISK) {}

bool PnpDiskPage::DoDataExchange(bool) {
    static const int texts[] = {IDC_PNP_TEXT, IDC_PNP_ENABLE, IDC_PNP_NEXT};
    LocalizePage(Handle(), IDD_PNP_DISK, texts, true);
    return true;
}

bool PnpDiskPage::OnCommand(WORD id, WORD code) {
    if (!IsClick(id, code, IDC_PNP_NEXT)) return false;
    OnNext();
    return true;
}

void PnpDiskPage::OnNext() {
    OnOK();
    // The page's window lives until DoModal returns.
    setupState.pnpDiskEnabled = IsChecked(Item(IDC_PNP_ENABLE));
}

SetupCompletePage::SetupCompletePage() : Dialog(IDD_SETUP_COMPLETE) {}

bool SetupCompletePage::DoDataExchange(bool saving) {
    static const int texts[] = {IDC_REPLUG_TEXT, IDC_RESTART_TEXT, IDC_FINISH, IDC_RESTART_NOW, IDC_RESTART_LATER};
    LocalizePage(Handle(), IDD_SETUP_COMPLETE, texts, true);
    // Windows 98 and Me offer the restart; later systems ask for the device to be re-plugged.
    bool offersRestart = setupState.osKind <= OS_WINME;
    if (!saving) {
        ShowWindow(Item(IDC_REPLUG_TEXT), offersRestart ? SW_HIDE : SW_SHOW);
        ShowWindow(Item(IDC_RESTART_TEXT), offersRestart ? SW_SHOW : SW_HIDE);
        ShowWindow(Item(IDC_RESTART_NOW), offersRestart ? SW_SHOW : SW_HIDE);
        ShowWindow(Item(IDC_RESTART_LATER), offersRestart ? SW_SHOW : SW_HIDE);
        if (offersRestart) {
            SendMessageA(Item(IDC_RESTART_NOW), BM_SETCHECK, BST_CHECKED, 0);
            SendMessageA(Item(IDC_RESTART_LATER), BM_SETCHECK, BST_UNCHECKED, 0);
        }
    } else if (offersRestart) {
        setupState.restartNow = IsChecked(Item(IDC_RESTART_NOW));
    }
    return true;
}

bool SetupCompletePage::OnCommand(WORD id, WORD code) {
    if (!IsClick(id, code, IDC_FINISH)) return false;
    OnOK();
    return true;
}

UninstallCompletePage::UninstallCompletePage() : Dialog(IDD_UNINSTALL_COMPLETE) {}

bool UninstallCompletePage::DoDataExchange(bool) {
    static const int texts[] = {IDC_REMOVED_TEXT, IDC_FINISH};
    LocalizePage(Handle(), IDD_UNINSTALL_COMPLETE, texts, true);
    return true;
}

bool UninstallCompletePage::OnCommand(WORD id, WORD code) {
    if (!IsClick(id, code, IDC_FINISH)) return false;
    OnOK();
    return true;
}

NoDevicePage::NoDevicePage() : Dialog(IDD_NO_DEVICE) {}

bool NoDevicePage::DoDataExchange(bool) {
    // The error pages keep their English titles.
    static const int texts[] = {IDC_NO_DEVICE_TEXT, IDC_NO_DEVICE_HINT, IDC_NO_DEVICE_EXIT};
    LocalizePage(Handle(), IDD_NO_DEVICE, texts, false);
    return true;
}

bool NoDevicePage::OnCommand(WORD id, WORD code) {
    if (!IsClick(id, code, IDC_NO_DEVICE_EXIT)) return false;
    OnOK();
    return true;
}

NotInstalledPage::NotInstalledPage() : Dialog(IDD_NOT_INSTALLED) {}

bool NotInstalledPage::DoDataExchange(bool) {
    static const int texts[] = {IDC_NOT_INSTALLED_TEXT, IDC_NOT_INSTALLED_HINT, IDC_NOT_INSTALLED_EXIT};
    LocalizePage(Handle(), IDD_NOT_INSTALLED, texts, false);
    return true;
}

bool NotInstalledPage::OnCommand(WORD id, WORD code) {
    if (!IsClick(id, code, IDC_NOT_INSTALLED_EXIT)) return false;
    OnOK();
    return true;
}

ExitSetupPage::ExitSetupPage() : Dialog(IDD_EXIT_SETUP) {}

bool ExitSetupPage::DoDataExchange(bool) {
    static const int texts[] = {IDC_EXIT_TEXT, IDC_EXIT_CONFIRM, IDC_EXIT_BACK};
    LocalizePage(Handle(), IDD_EXIT_SETUP, texts, true);
    return true;
}

bool ExitSetupPage::OnCommand(WORD id, WORD code) {
    if (IsClick(id, code, IDC_EXIT_CONFIRM)) {
        OnOK();
        return true;
    }
    if (IsClick(id, code, IDC_EXIT_BACK)) {
        OnCancel();
        return true;
    }
    return false;
}
