#include "install_thread.h"
#include "../install/install_driver.h"

bool CInstallThread::InitInstance() { return true; }

int CInstallThread::Run() {
    InstallDriver(InstallEnding::PostCompletion);
    return Thread::Run();
}

int CInstallThread::ExitInstance() { return Thread::ExitInstance(); }
