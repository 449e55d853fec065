#include <windows.h>
#include <stdlib.h>

#include "setup_app.h"
#include "startup_record.h"
#include "../com/com_module.h"
#include "../device/administrator.h"
#include "../device/device_list.h"
#include "../framework/command_line.h"
#include "../install/install_driver.h"
#include "../install/uninstall_entry.h"
#include "../remove/installation_traces.h"
#include "../remove/remove_installation.h"
#include "../res/resource_ids.h"
#include "../state/environment_probe.h"
#include "../state/profile_ini.h"
#include "../state/setup_ini.h"
#include "../state/setup_state.h"
#include "../state/switches.h"
#include "../ui/main_frame.h"
#include "../ui/wizard_failure.h"

namespace {

// A GUI program has no console: the line reaches a caller that redirected our output.
void WriteToStandardOutput(const char* text) {
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if (out == nullptr || out == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(out, text, lstrlenA(text), &written, nullptr);
}

}  // namespace

// The device search's probe: records the matched instance id for the removal.
bool CSetupApp::IsPresent(const char* hardwareId, void* context) {
    CSetupApp& app = *static_cast<CSetupApp*>(context);
    bool present = FindPresentDevice(hardwareId, setupState.matchedInstanceId, sizeof setupState.matchedInstanceId);
    RecordReaderLook(app.journal_, hardwareId, present, setupState.matchedInstanceId);
    return present;
}

bool CSetupApp::InitInstance() {
    ParseSwitches(__argc, __argv, setupState);
    if (setupState.logPath[0] && logFile_.Open(setupState.logPath)) journal_ = Journal(&logFile_);
    RecordStart(journal_);
    setupState.osKind = DetectOsKind();
    setupState.localizedUi = UseLocalizedUi();
    setupState.isLeadByte = IsAnsiLeadByte;
    FindSystemFolders();
    files_.UseRestartQueue(IsNtFamily(setupState.osKind), setupState.windowsDir);
    RecordEnvironment(journal_, setupState);

    ProfileIni ini(setupState.sourceDir);
    ReadSetupIni(ini, setupState);
    SearchConfiguredDevice(ini, IsPresent, this, setupState);
    char trace[2 * TEXT_SIZE];
    setupState.driverInstalled = FindInstallationTrace(setupState, trace, sizeof trace);

    // No user rights before Windows 2000; where the check cannot answer, the system
    // refuses what it must.
    Membership administrators = IsNtFamily(setupState.osKind) ? AdministratorsMembership() : Membership::Unknown;
    administrator_ = administrators != Membership::NotMember;
    RecordFindings(journal_, setupState, trace, administrators);

    if (!InitComModule(Instance(), comModuleStarted_)) return false;

    if (setupState.quietMode) {
        RunQuietly();
        return true;
    }
    return StartWizard();
}

void CSetupApp::RunQuietly() {
    QuietChoice choice = ChooseQuietWork(setupState, administrator_);
    outcome_.Fail(choice.failure);
    switch (choice.work) {
    case QuietWork::Install:
        if (!InstallDriver(files_, journal_)) outcome_.Fail(EXIT_HELPER_NOT_RUN);
        CreateUninstallEntry(files_, journal_);
        break;
    case QuietWork::Remove:
        RemoveInstallation(files_, journal_);
        break;
    case QuietWork::Nothing:
        break;
    }
    outcome_.restartPending = files_.RestartPending();
    WriteToStandardOutput("test ...\n");
}

bool CSetupApp::StartWizard() {
    // Started by COM: there is no class to serve and nothing to show.
    if (framework::IsComServerStart(__argc, __argv)) return true;

    if (!administrator_) {
        ReportNotAdministrator();
        outcome_.Fail(EXIT_NOT_ADMINISTRATOR);
        return false;
    }
    // The frame lives until the process ends; its creation posts the first step.
    CMainFrame* frame = new CMainFrame(files_, journal_);
    if (!frame) {
        outcome_.Fail(EXIT_WIZARD_FAILED);
        return false;
    }
    SetMainWindow(frame);
    if (!frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FRAME_ADD_TO_TITLE)) {
        ReportWizardFailure(nullptr, IDR_MAINFRAME, GetLastError());
        outcome_.Fail(EXIT_WIZARD_FAILED);
        return false;
    }
    ShowWindow(frame->Handle(), SW_SHOWMAXIMIZED);
    UpdateWindow(frame->Handle());
    wizardRan_ = true;
    return true;
}

int CSetupApp::ExitInstance() {
    ShutdownComModule(comModuleStarted_);
    int code = Application::ExitInstance();
    // The wizard tells its end through the quit message; a quiet run, or a wizard that
    // could not start, through its outcome.
    if (!wizardRan_) code = outcome_.ExitCode() != EXIT_DONE ? outcome_.ExitCode() : code;
    journal_.End(code);
    return code;
}
