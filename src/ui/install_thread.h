// The wizard's worker: runs the installation once, tells the frame, then idles in its
// own message loop until the process ends.
#pragma once
#include "../framework/thread.h"

class CInstallThread : public framework::Thread {
public:
    // True once the frame has handled the completion message; main thread only.
    BOOL installDone = FALSE;

protected:
    bool InitInstance() override;
    int Run() override;
    int ExitInstance() override;
};
