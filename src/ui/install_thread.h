// The wizard's worker: runs the installation once, tells the frame, then idles in its
// own message loop until the process ends.
#pragma once
#include "../device/file_placement.h"
#include "../framework/thread.h"
#include "../journal/journal.h"

class CInstallThread : public framework::Thread {
public:
    CInstallThread(HWND frame, FilePlacement& files, Journal& journal) : frame_(frame), files_(files), journal_(journal) {}

    // True once the frame has handled the completion message; main thread only.
    BOOL installDone = FALSE;
    // Whether the helper installer ran to its end: written by the worker before it
    // posts the completion message, read by the frame after.
    bool helperRan = false;

    // The installation, then WM_WIZ_INSTALL_FINISHED to the frame: the worker's job,
    // also done on the main thread when no worker can be made. helperRan is set before
    // the message goes.
    static void InstallAndReport(HWND frame, FilePlacement& files, Journal& journal, bool& helperRan);

protected:
    bool InitInstance() override;
    int Run() override;
    int ExitInstance() override;

private:
    HWND frame_;
    FilePlacement& files_;
    Journal& journal_;
};
