// The wizard's worker: runs the installation once, tells the frame, then idles in its
// own message loop until the process ends.
#pragma once
#include "../framework/thread.h"

class CInstallThread : public framework::Thread {
public:
    explicit CInstallThread(HWND frame) : frame_(frame) {}

    // True once the frame has handled the completion message; main thread only.
    BOOL installDone = FALSE;

    // The installation, then WM_WIZ_INSTALL_FINISHED to the frame: the worker's job,
    // also done on the main thread when no worker can be made.
    static void InstallAndReport(HWND frame);

protected:
    bool InitInstance() override;
    int Run() override;
    int ExitInstance() override;

private:
    HWND frame_;
};
