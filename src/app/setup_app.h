// The application object: decides once, at start-up, what the process does.
#pragma once
#include "../device/file_placement.h"
#include "../framework/application.h"
#include "../journal/file_journal.h"
#include "../journal/journal.h"
#include "../state/run_outcome.h"

class CSetupApp : public framework::Application {
public:
    CSetupApp() : files_(journal_) {}

protected:
    bool InitInstance() override;
    int ExitInstance() override;

private:
    static bool IsPresent(const char* hardwareId, void* context);
    void RunQuietly();
    bool StartWizard();

    bool comModuleStarted_ = false;
    bool administrator_ = true;
    bool wizardRan_ = false;
    FileJournal logFile_;      // open when -log: names a file
    Journal journal_;          // records into logFile_, or nothing
    FilePlacement files_;
    RunOutcome outcome_;       // of a quiet run, or of a wizard that never started
};
