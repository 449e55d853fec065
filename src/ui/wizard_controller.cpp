// The wizard's controller: the frame's window procedure. Each wizard message runs one
// step, which shows one page or does one piece of work and posts the next message.
#include "main_frame.h"
#include "pages.h"
#include "wizard_failure.h"
#include "wizard_flow.h"
#include "../device/restart.h"
#include "../install/uninstall_entry.h"
#include "../remove/remove_installation.h"

LRESULT CMainFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: Post(WM_WIZ_WELCOME); break;
    case WM_WIZ_WELCOME: OnWelcome(); break;
    case WM_WIZ_PNPDISK: OnPnpDisk(); break;
    case WM_WIZ_INSTALL: OnInstall(); break;
    case WM_WIZ_INSTALL_FINISHED: if (installThread) installThread->installDone = TRUE; break;
    case WM_WIZ_SETUP_DONE: OnSetupDone(); break;
    case WM_WIZ_NO_DEVICE: OnNoDevice(); break;
    case WM_WIZ_REMOVE: OnRemove(); break;
    case WM_WIZ_REMOVE_DONE: OnRemoveDone(); break;
    case WM_WIZ_CONFIRM_EXIT: OnConfirmExit(wParam); break;
    case WM_WIZ_NOT_INSTALLED: OnNotInstalled(); break;
    default: break;
    }
    return FrameWindow::WindowProc(message, wParam, lParam);
}

void CMainFrame::Post(unsigned message, WPARAM wParam) {
    if (message == END_WIZARD.message) {
        outcome_.restartPending = files_.RestartPending();
        PostQuitMessage(outcome_.ExitCode());
    } else {
        PostMessageA(Handle(), message, wParam, 0);
    }
}

// Shows a page, made fresh for every showing, and tells whether it was confirmed. A
// page that cannot be shown ends the wizard, saying so, with EXIT_WIZARD_FAILED:
// the result is false and the step posts nothing more.
template <typename Page>
bool CMainFrame::ShowPage(bool* confirmed) {
    Page page;
    INT_PTR result = page.DoModal();
    if (result == -1) {
        ReportWizardFailure(Handle(), page.TemplateId(), GetLastError());
        PostQuitMessage(EXIT_WIZARD_FAILED);
        return false;
    }
    if (confirmed) *confirmed = result == IDOK;
    return true;
}

void CMainFrame::OnWelcome() {
    bool confirmed = false;
    if (!ShowPage<WelcomePage>(&confirmed)) return;
    WizardStep next = AfterWelcome(confirmed, setupState);
    Post(next.message, next.wParam);
}

void CMainFrame::OnPnpDisk() {
    if (PnpDiskIsPreset(setupState.pnpMode)) {
        setupState.pnpDiskEnabled = PresetPnpDiskEnabled(setupState.pnpMode);
        Post(WM_WIZ_INSTALL);
        return;
    }
    bool confirmed = false;
    if (!ShowPage<PnpDiskPage>(&confirmed)) return;
    WizardStep next = AfterPnpDiskPage(confirmed);
    Post(next.message, next.wParam);
}

void CMainFrame::OnInstall() {
    if (installStarted == 0) {
        EnterProgressMode();
        ++installStarted;
        StartInstallThread();
        Post(WM_WIZ_INSTALL);
        return;
    }
    // Without a thread object the installation already ran on this thread.
    bool done = installThread ? installThread->installDone != FALSE : true;
    if (done) {
        LeaveProgressMode();
        if (!(installThread ? installThread->helperRan : helperRanOnThisThread_)) outcome_.Fail(EXIT_HELPER_NOT_RUN);
        // COM objects are made on this thread only.
        CreateUninstallEntry(files_, journal_);
        Post(WM_WIZ_SETUP_DONE);
        return;
    }
    // One bar step on every second poll.
    if (++pollCount % 2 == 0) progress.StepIt();
    Sleep(25);
    Post(WM_WIZ_INSTALL);
}

void CMainFrame::StartInstallThread() {
    installThread = new CInstallThread(Handle(), files_, journal_);
    if (installThread && installThread->CreateSuspended(THREAD_PRIORITY_NORMAL)) {
        installThread->installDone = FALSE;
        installThread->Resume();
        return;
    }
    // No worker: install on this thread. Its completion message then waits in the
    // queue for the next poll, as a worker's would.
    if (installThread) installThread->installDone = FALSE;
    CInstallThread::InstallAndReport(Handle(), files_, journal_,
                                     installThread ? installThread->helperRan : helperRanOnThisThread_);
}

void CMainFrame::OnSetupDone() {
    if (!ShowPage<SetupCompletePage>()) return;
    if (setupState.restartNow) {
        // Windows ends this program; the loop runs until then.
        journal_.Fact("restart Windows", "now, as chosen on the last page");
        RestartWindows();
        return;
    }
    Post(END_WIZARD.message);
}

void CMainFrame::OnNoDevice() {
    outcome_.Fail(EXIT_NO_READER);
    if (!ShowPage<NoDevicePage>()) return;
    Post(END_WIZARD.message);
}

void CMainFrame::OnRemove() {
    RemoveInstallation(files_, journal_);
    Post(WM_WIZ_REMOVE_DONE);
}

void CMainFrame::OnRemoveDone() {
    if (!ShowPage<UninstallCompletePage>()) return;
    Post(END_WIZARD.message);
}

void CMainFrame::OnNotInstalled() {
    if (!ShowPage<NotInstalledPage>()) return;
    Post(END_WIZARD.message);
}

void CMainFrame::OnConfirmExit(WPARAM returnTo) {
    bool confirmed = false;
    if (!ShowPage<ExitSetupPage>(&confirmed)) return;
    WizardStep next = AfterExitConfirmation(confirmed, returnTo);
    Post(next.message, next.wParam);
}
