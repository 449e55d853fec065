#include "install_thread.h"
#include "wizard_messages.h"
#include "../install/install_driver.h"

void CInstallThread::InstallAndReport(HWND frame, FilePlacement& files, Journal& journal, bool& helperRan) {
    helperRan = InstallDriver(files, journal);
    PostMessageA(frame, WM_WIZ_INSTALL_FINISHED, 0, 0);
}

bool CInstallThread::InitInstance() { return true; }

int CInstallThread::Run() {
    InstallAndReport(frame_, files_, journal_, helperRan);
    return Thread::Run();
}

int CInstallThread::ExitInstance() { return Thread::ExitInstance(); }
