// The application object: decides once, at start-up, what the process does.
#pragma once
#include "../framework/application.h"

class CSetupApp : public framework::Application {
public:
    CSetupApp() = default;

protected:
    bool InitInstance() override;
    int ExitInstance() override;

private:
    void RunQuietly();
    bool StartWizard();

    bool comModuleStarted_ = false;
    bool quietInstallFailed_ = false;
    bool wizardFailed_ = false;
};
