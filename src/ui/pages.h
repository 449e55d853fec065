// The wizard's pages: one modal dialog class per page. Each shows its template's
// English texts, or the system language's when localizedUi is set.
#pragma once
#include "../framework/dialog.h"

class WelcomePage : public framework::Dialog {
public:
    WelcomePage();

protected:
    bool DoDataExchange(bool saving) override;
    bool OnCommand(WORD id, WORD code) override;
};

class PnpDiskPage : public framework::Dialog {
public:
    PnpDiskPage();

protected:
    bool DoDataExchange(bool saving) override;
    bool OnCommand(WORD id, WORD code) override;

private:
    void OnNext();
};

class SetupCompletePage : public framework::Dialog {
public:
    SetupCompletePage();

protected:
    bool DoDataExchange(bool saving) override;
    bool OnCommand(WORD id, WORD code) override;
};

class UninstallCompletePage : public framework::Dialog {
public:
    UninstallCompletePage();

protected:
    bool DoDataExchange(bool saving) override;
    bool OnCommand(WORD id, WORD code) override;
};

class NoDevicePage : public framework::Dialog {
public:
    NoDevicePage();

protected:
    bool DoDataExchange(bool saving) override;
    bool OnCommand(WORD id, WORD code) override;
};

class NotInstalledPage : public framework::Dialog {
public:
    NotInstalledPage();

protected:
    bool DoDataExchange(bool saving) override;
    bool OnCommand(WORD id, WORD code) override;
};

class ExitSetupPage : public framework::Dialog {
public:
    ExitSetupPage();

protected:
    bool DoDataExchange(bool saving) override;
    bool OnCommand(WORD id, WORD code) override;
};
