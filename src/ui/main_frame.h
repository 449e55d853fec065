// The wizard's one top-level window: full screen with the painted background, or a
// small progress window while the installation runs. Its window procedure drives
// the wizard (wizard_controller.cpp).
#pragma once
#include "background_view.h"
#include "install_thread.h"
#include "../device/file_placement.h"
#include "../framework/frame_window.h"
#include "../framework/progress_bar.h"
#include "../journal/journal.h"
#include "../state/run_outcome.h"

class CMainFrame : public framework::FrameWindow {
public:
    // The installation and the removal place their files through `files` and record
    // what they do in `journal`; both outlive the frame.
    CMainFrame(FilePlacement& files, Journal& journal) : files_(files), journal_(journal) {}

    BackgroundView view;
    framework::ProgressBar progress;
    CInstallThread* installThread = nullptr;   // the worker, once started
    int installStarted = 0;
    int pollCount = 0;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    void EnterProgressMode();
    void LeaveProgressMode();

protected:
    bool PreCreateWindow(CREATESTRUCTA& cs) override;
    int OnCreate(CREATESTRUCTA* cs) override;
    void OnSetFocus() override;

private:
    // The wizard's steps, one per message.
    void OnWelcome();
    void OnPnpDisk();
    void OnInstall();
    void OnSetupDone();
    void OnNoDevice();
    void OnRemove();
    void OnRemoveDone();
    void OnConfirmExit(WPARAM returnTo);
    void OnNotInstalled();
    void StartInstallThread();
    void Post(unsigned message, WPARAM wParam = 0);
    template <typename Page>
    bool ShowPage(bool* confirmed = nullptr);

    FilePlacement& files_;
    Journal& journal_;
    bool helperRanOnThisThread_ = false;   // the installation without a worker
    RunOutcome outcome_;                  // what the wizard's end tells its caller
};

// The window style the frame always has, whatever it is asked for: overlapped,
// maximized, and the framework's "add to title" bit.
const DWORD FRAME_ADD_TO_TITLE = 0x00008000;
const DWORD MAIN_FRAME_STYLE = WS_OVERLAPPEDWINDOW | WS_MAXIMIZE | FRAME_ADD_TO_TITLE;
