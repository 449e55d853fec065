#include "install_thread.h"
#include "wizard_messages.h"
#include "../install/install_driver.h"

void CInstallThread::InstallAndReport(HWND frame) {
    InstallDriver();
    PostMessageA(frame, WM_WIZ_INSTALL_FINISHED, 0, 0);
}

bool CInstallThread::InitInstance() { return true; }

int CInstallThread::Run() {
    InstallAndReport(frame_);
    return Thread::Run();
}

int CInstallThread::ExitInstance() { return Thread::ExitInstance(); }
