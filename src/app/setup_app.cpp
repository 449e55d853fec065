#include <windows.h>
#include <stdlib.h>

#include "setup_app.h"
#include "../com/com_module.h"
#include "../device/device_list.h"
#include "../framework/command_line.h"
#include "../install/install_driver.h"
#include "../install/uninstall_entry.h"
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

// The device search's probe: records the matched instance id for the removal.
bool IsPresent(const char* hardwareId, void* context) {
    SetupState& state = *static_cast<SetupState*>(context);
    return FindPresentDevice(hardwareId, state.matchedInstanceId, sizeof state.matchedInstanceId);
}

// A GUI program has no console: the line reaches a caller that redirected our output.
void WriteToStandardOutput(const char* text) {
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if (out == nullptr || out == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(out, text, lstrlenA(text), &written, nullptr);
}

}  // namespace

bool CSetupApp::InitInstance() {
    ParseSwitches(__argc, __argv, setupState);
    setupState.osKind = DetectOsKind();
    setupState.localizedUi = UseLocalizedUi();
    setupState.isLeadByte = IsAnsiLeadByte;
    FindSystemFolders();

    ProfileIni ini(setupState.sourceDir);
    ReadSetupIni(ini, setupState);
    SearchConfiguredDevice(ini, IsPresent, &setupState, setupState);
    setupState.driverInstalled = true;

    if (!InitComModule(Instance(), comModuleStarted_)) return false;

    if (setupState.quietMode) {
        RunQuietly();
        return true;
    }
    return StartWizard();
}

void CSetupApp::RunQuietly() {
    if (setupState.uninstallMode) {
        if (setupState.devicePresent && setupState.driverInstalled) RemoveInstallation();
    } else {
        if (setupState.devicePresent || setupState.osKind == OS_WIN98) {
            quietInstallFailed_ = !InstallDriver();
            CreateUninstallEntry();
        }
        // Without its own folder there is no disc to install from, whatever the family.
        if (!setupState.sourceDir[0]) quietInstallFailed_ = true;
    }
    WriteToStandardOutput("test ...\n");
}

bool CSetupApp::StartWizard() {
    // Started by COM: there is no class to serve and nothing to show.
    if (framework::IsComServerStart(__argc, __argv)) return true;

    // The frame lives until the process ends; its creation posts the first step.
    CMainFrame* frame = new CMainFrame;
    if (!frame) return false;
    SetMainWindow(frame);
    if (!frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FRAME_ADD_TO_TITLE)) {
        ReportWizardFailure(nullptr, IDR_MAINFRAME, GetLastError());
        wizardFailed_ = true;
        return false;
    }
    ShowWindow(frame->Handle(), SW_SHOWMAXIMIZED);
    UpdateWindow(frame->Handle());
    return true;
}

int CSetupApp::ExitInstance() {
    ShutdownComModule(comModuleStarted_);
    int code = Application::ExitInstance();
    // Callers of a quiet installation learn when the helper installer did not run to its
    // end; of the wizard, when it could not show its window.
    if (wizardFailed_) return WIZARD_FAILED_EXIT_CODE;
    return quietInstallFailed_ ? 2 : code;
}
