// The wizard driven from outside as a user would: which pages come in which order on
// each Windows family, what the installation and the removal leave, and every way out.
#include <gtest/gtest.h>

#include <string>

#include "../../src/res/resource_ids.h"
#include "disc.h"
#include "files.h"
#include "footprint.h"
#include "names.h"
#include "registry.h"
#include "shortcut.h"
#include "virtual_reader.h"
#include "wizard_driver.h"
#include "wizard_steps.h"

using namespace support;

namespace {


class WizardFlow : public ::testing::Test {
protected:
    // Lays the sample disc with this PNP_Mode, plugs the reader in if asked, and starts
    // the wizard on this family.
    void Start(const std::string& family, bool readerPlugged, const std::string& pnpMode = "",
               const std::string& arguments = "") {
        SetWindowsFamily(family);
        SetHelperBehaviour(0, 0);
        if (family == "win98") {
            programFiles = "C:\\Progra~1";   // a short name Wine does not make
            CreateFolders(programFiles);
            CreateFolders(SystemDir() + "\\iosubsys");
        }
        disc.Lay();
        SetPnpMode(pnpMode);
        if (readerPlugged) PlugIn(reader);
        StartWizard(arguments);
    }

    // The sample setup.ini with PNP_Mode set to `mode`, or without the key for "".
    void SetPnpMode(const std::string& mode) {
        if (sampleIni.empty()) sampleIni = ReadFileText(disc.Path("setup.ini"));
        std::string ini = sampleIni;
        size_t line = ini.find("PNP_Mode=-1\n");
        ASSERT_NE(std::string::npos, line) << "the sample setup.ini has changed";
        disc.WriteSetupIni(ini.replace(line, 12, mode.empty() ? "" : "PNP_Mode=" + mode + "\n"));
    }

    void StartWizard(const std::string& arguments = "", Rights rights = Rights::Administrator) {
        setup = StartProgram("\"" + disc.Path("Setup.exe") + "\"" + (arguments.empty() ? "" : " " + arguments), rights);
        ASSERT_TRUE(setup.IsStarted()) << setup.Describe();
    }

    HWND Next(HWND page, const std::string& title) { return NextPageTitled(wizard, setup, page, title); }

    // Leaves `page` with `button` into the installation: the frame becomes the progress
    // window centred on the 1024 x 768 screen while the helper runs (held until the
    // window has been looked at), and covers the screen again for Setup Complete,
    // which is returned.
    HWND ThroughInstallation(HWND page, int button) {
        helperGate.Close();
        size_t runs = disc.HelperRuns().size();
        wizard.Click(page, button);
        EXPECT_TRUE(wizard.WaitForCompactFrame()) << "no progress window; " << setup.Describe();
        RECT compact = wizard.FrameRect();
        EXPECT_EQ(312, compact.left);
        EXPECT_EQ(346, compact.top);
        EXPECT_TRUE(wizard.IsVisible(wizard.Frame(), IDC_PROGRESS));
        // While the helper runs, the installation is not over: still the progress window.
        EXPECT_TRUE(WaitUntil([&] { return disc.HelperRuns().size() > runs; })) << "the helper never started";
        RECT whileHelperRuns = wizard.FrameRect();
        EXPECT_EQ(400, whileHelperRuns.right - whileHelperRuns.left) << "the frame left the progress window early";
        EXPECT_EQ(nullptr, wizard.WaitForAnyPage(&setup, 0)) << "a page came while the helper ran";
        helperGate.Open();
        HWND done = Next(page, "Setup Complete");
        RECT full = wizard.FrameRect();
        EXPECT_TRUE(full.left <= 0 && full.top <= 0 && full.right >= 1024 && full.bottom >= 768)
            << "frame at " << full.left << "," << full.top << " - " << full.right << "," << full.bottom;
        EXPECT_FALSE(wizard.IsVisible(wizard.Frame(), IDC_PROGRESS));
        return done;
    }

    void ExpectEnds(DWORD exitCode = 0) {
        EXPECT_TRUE(setup.Ends());
        EXPECT_EQ(ExitCodeName(exitCode), ExitCodeName(setup.ExitCode()));
    }

    // Setup Complete as 98 and Me show it (restart offered, "now" chosen) or as later
    // systems do (replug the device).
    void ExpectSetupComplete(HWND page, bool offersRestart) {
        EXPECT_EQ(offersRestart, wizard.IsVisible(page, IDC_RESTART_TEXT));
        EXPECT_EQ(offersRestart, wizard.IsVisible(page, IDC_RESTART_NOW));
        EXPECT_EQ(offersRestart, wizard.IsVisible(page, IDC_RESTART_LATER));
        EXPECT_EQ(!offersRestart, wizard.IsVisible(page, IDC_REPLUG_TEXT));
        EXPECT_TRUE(wizard.IsVisible(page, IDC_FINISH));
        if (offersRestart) {
            EXPECT_TRUE(wizard.IsChecked(page, IDC_RESTART_NOW));
            EXPECT_FALSE(wizard.IsChecked(page, IDC_RESTART_LATER));
        }
    }

    std::string MenuFolder() const { return ProgramsDir() + "\\JOV\\QM4410 Card Reader"; }
    std::string ProgramFolder() const { return programFiles + "\\JOV\\QM4410 Card Reader"; }

    // `helperRuns` helper runs so far, the icon library, the uninstall entry; the drive
    // settings with this PnPDisk on 2000 and later, the 98/Me settings below that.
    void ExpectInstalled(size_t helperRuns, bool nt, DWORD pnpDisk = 0) {
        EXPECT_EQ(helperRuns, disc.HelperRuns().size());
        if (nt) {
            EXPECT_REG_DWORD(HKEY_LOCAL_MACHINE, PARAMETERS, "PnPDisk", pnpDisk);
            EXPECT_REG_SZ(HKEY_LOCAL_MACHINE, PARAMETERS, "SD Name", "SD Drive");
            EXPECT_EQ(9u, ValueNames(HKEY_LOCAL_MACHINE, PARAMETERS).size());
        } else {
            EXPECT_REG_SZ(HKEY_LOCAL_MACHINE, USB_ICON, "Icon Name", "ZELKI_J.dll");
            EXPECT_REG_SZ(HKEY_LOCAL_MACHINE, RUN_KEY, "HidMonitor", WindowsDir() + "\\TRAYM.exe");
            EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, PARAMETERS));
        }
        EXPECT_TRUE(SameFile(disc.Path("ZELKI_J.dll"), WindowsDir() + "\\ZELKI_J.dll"));
        EXPECT_TRUE(SameFile(disc.Path("Setup.exe"), ProgramFolder() + "\\Setup.exe"));
        Shortcut shortcut = ReadShortcut(MenuFolder() + "\\Uninstall.lnk");
        EXPECT_TRUE(shortcut.loaded);
        EXPECT_EQ(ProgramFolder() + "\\Setup.exe", shortcut.target);
        EXPECT_EQ("-u", shortcut.arguments);
    }

    void ExpectNothingInstalled() {
        EXPECT_TRUE(disc.HelperRuns().empty());
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, PARAMETERS));
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, USB_ICON));
        EXPECT_FALSE(FileExists(WindowsDir() + "\\ZELKI_J.dll"));
        EXPECT_FALSE(FolderExists(ProgramsDir() + "\\JOV"));
        EXPECT_FALSE(FolderExists(ProgramFolder()));
    }

    Disc disc;
    VirtualReader reader;
    WizardDriver wizard;
    HelperGate helperGate;
    Started setup;
    std::string programFiles = ProgramFilesDir();
    std::string sampleIni;
};

}  // namespace

TEST_F(WizardFlow, Windows98WithoutReaderInstallsAtOnce) {
    Start("win98", false);
    HWND page = Next(nullptr, "Welcome");
    ASSERT_TRUE(page);
    ASSERT_TRUE(page = ThroughInstallation(page, IDC_WELCOME_NEXT));
    ExpectSetupComplete(page, true);
    ExpectInstalled(1, false);
    // Esc leaves the page without its choice: no restart, a normal end.
    wizard.PressEsc(page);
    ExpectEnds(0);
}

TEST_F(WizardFlow, WindowsMeRestartLater) {
    Start("winme", true);
    HWND page = Next(nullptr, "Welcome");
    ASSERT_TRUE(page);
    ASSERT_TRUE(page = ThroughInstallation(page, IDC_WELCOME_NEXT));
    ExpectSetupComplete(page, true);
    wizard.Select(page, IDC_RESTART_LATER);
    EXPECT_TRUE(wizard.IsChecked(page, IDC_RESTART_LATER));
    EXPECT_FALSE(wizard.IsChecked(page, IDC_RESTART_NOW));
    wizard.Click(page, IDC_FINISH);
    ExpectEnds(0);
    ExpectInstalled(1, false);
}

TEST_F(WizardFlow, XpAsksForPnpDisk) {
    Start("winxp", true);
    HWND page = Next(nullptr, "Welcome");
    ASSERT_TRUE(page);
    wizard.Click(page, IDC_WELCOME_NEXT);
    ASSERT_TRUE(page = Next(page, "PNP Disk"));
    EXPECT_FALSE(wizard.IsChecked(page, IDC_PNP_ENABLE));
    wizard.Select(page, IDC_PNP_ENABLE);
    EXPECT_TRUE(wizard.IsChecked(page, IDC_PNP_ENABLE));
    EXPECT_TRUE(disc.HelperRuns().empty()) << "nothing runs before the page is confirmed";
    ASSERT_TRUE(page = ThroughInstallation(page, IDC_PNP_NEXT));
    ExpectSetupComplete(page, false);
    wizard.Click(page, IDC_FINISH);
    ExpectEnds(0);
    ExpectInstalled(1, true, 1);
}

TEST_F(WizardFlow, XpPnpModeFromSetupIni) {
    // 1 turns PNP Disk on without asking, 0 turns it off; the second run installs over the first.
    Start("winxp", true, "1");
    HWND page = Next(nullptr, "Welcome");
    ASSERT_TRUE(page);
    ASSERT_TRUE(page = ThroughInstallation(page, IDC_WELCOME_NEXT));
    wizard.Click(page, IDC_FINISH);
    ExpectEnds(0);
    ExpectInstalled(1, true, 1);

    SetPnpMode("0");
    StartWizard();
    ASSERT_TRUE(page = Next(nullptr, "Welcome"));
    ASSERT_TRUE(page = ThroughInstallation(page, IDC_WELCOME_NEXT));
    wizard.Click(page, IDC_FINISH);
    ExpectEnds(0);
    ExpectInstalled(2, true, 0);
}

TEST_F(WizardFlow, XpWithoutReader) {
    Start("winxp", false);
    HWND page = Next(nullptr, "Welcome");
    ASSERT_TRUE(page);
    wizard.Click(page, IDC_WELCOME_NEXT);
    ASSERT_TRUE(page = Next(page, "ERROR !!"));
    EXPECT_TRUE(wizard.IsVisible(page, IDC_NO_DEVICE_EXIT));
    wizard.Click(page, IDC_NO_DEVICE_EXIT);
    ExpectEnds(4);
    ExpectNothingInstalled();
}

TEST_F(WizardFlow, RemovalWithReader) {
    SetWindowsFamily("winxp");
    disc.Lay();
    PlugIn(reader);
    RunResult install = disc.RunSetup("-q");
    ASSERT_TRUE(Finished(install));
    ExpectInstalled(1, true, 0);
    SeedDriverStore(reader, "ZELK", "oem3.inf");

    StartWizard("-u");
    HWND page = Next(nullptr, "Welcome");
    ASSERT_TRUE(page);
    wizard.Click(page, IDC_WELCOME_NEXT);
    ASSERT_TRUE(page = Next(page, "Uninstall Complete"));
    // The removal has run before its page comes up.
    EXPECT_TRUE(ValueNames(HKEY_LOCAL_MACHINE, PARAMETERS).empty());
    EXPECT_FALSE(IsPluggedIn(reader));
    wizard.Click(page, IDC_FINISH);
    ExpectEnds(0);
    EXPECT_EQ(1u, disc.HelperRuns().size()) << "a removal never installs";
    EXPECT_FALSE(FileExists(WindowsDir() + "\\ZELKI_J.dll"));
    EXPECT_FALSE(FileExists(WindowsDir() + "\\inf\\oem3.inf"));
    EXPECT_FALSE(FileExists(WindowsDir() + "\\inf\\oem3.pnf"));
    EXPECT_FALSE(FileExists(MenuFolder() + "\\Uninstall.lnk"));
    EXPECT_FALSE(FolderExists(ProgramsDir() + "\\JOV"));
    EXPECT_FALSE(FileExists(ProgramFolder() + "\\Setup.ini"));
}

TEST_F(WizardFlow, RemovalWithoutReader) {
    SetWindowsFamily("winxp");
    disc.Lay();
    PlugIn(reader);
    ASSERT_TRUE(Finished(disc.RunSetup("-q")));
    Unplug(reader);

    StartWizard("-u");
    HWND page = Next(nullptr, "Welcome");
    ASSERT_TRUE(page);
    wizard.Click(page, IDC_WELCOME_NEXT);
    ASSERT_TRUE(page = Next(page, "ERROR !!"));
    wizard.Click(page, IDC_NO_DEVICE_EXIT);
    ExpectEnds(4);
    ExpectInstalled(1, true, 0);
}

// Windows 2000 and XP have no elevation: a limited user is told, before any page, that
// an administrator must run Setup, and nothing changes.
TEST_F(WizardFlow, LimitedUserIsToldAndNothingChanges) {
    SetWindowsFamily("win2k");
    disc.Lay();
    PlugIn(reader);
    const Footprint before = TakeFootprint();
    StartWizard("", Rights::LimitedUser);
    HWND box = wizard.WaitForMessageBox(setup);
    ASSERT_TRUE(box) << setup.Describe();
    const std::string text = wizard.Text(box, WizardDriver::MESSAGE_BOX_TEXT);
    EXPECT_NE(std::string::npos, text.find("Setup must be run by an administrator.")) << text;
    wizard.Click(box, IDOK);
    ExpectEnds(5);
    EXPECT_TRUE(Unchanged(before, TakeFootprint()));
}

TEST_F(WizardFlow, CancelFromWelcome) {
    Start("winxp", true, "", "/q");   // a slash is no switch: the wizard comes up
    HWND page = Next(nullptr, "Welcome");
    ASSERT_TRUE(page);
    wizard.Click(page, IDC_WELCOME_CANCEL);
    ASSERT_TRUE(page = Next(page, "Exit Setup"));
    wizard.Click(page, IDC_EXIT_BACK);
    ASSERT_TRUE(page = Next(page, "Welcome"));
    wizard.Click(page, IDC_WELCOME_CANCEL);
    ASSERT_TRUE(page = Next(page, "Exit Setup"));
    wizard.Click(page, IDC_EXIT_CONFIRM);
    ExpectEnds(0);
    ExpectNothingInstalled();
}

TEST_F(WizardFlow, CancelFromPnpDisk) {
    Start("winxp", true);
    HWND page = Next(nullptr, "Welcome");
    ASSERT_TRUE(page);
    wizard.Click(page, IDC_WELCOME_NEXT);
    ASSERT_TRUE(page = Next(page, "PNP Disk"));
    wizard.Select(page, IDC_PNP_ENABLE);
    ASSERT_TRUE(wizard.IsChecked(page, IDC_PNP_ENABLE));
    wizard.PressEsc(page);
    ASSERT_TRUE(page = Next(page, "Exit Setup"));
    wizard.Click(page, IDC_EXIT_BACK);
    ASSERT_TRUE(page = Next(page, "PNP Disk"));
    EXPECT_FALSE(wizard.IsChecked(page, IDC_PNP_ENABLE)) << "a new page, its box unchecked";
    wizard.CloseBox(page);
    ASSERT_TRUE(page = Next(page, "Exit Setup"));
    wizard.Click(page, IDC_EXIT_CONFIRM);
    ExpectEnds(0);
    ExpectNothingInstalled();
}

// Finish with "restart now" restarts Windows, which ends every program, this test
// included: it announces the click and then must never come to its own end. Its
// CTest entry checks that from outside (wizard.cmake).
TEST_F(WizardFlow, Windows98FinishRestartsWindows) {
    Start("win98", true);
    HWND page = Next(nullptr, "Welcome");
    ASSERT_TRUE(page);
    ASSERT_TRUE(page = ThroughInstallation(page, IDC_WELCOME_NEXT));
    ExpectSetupComplete(page, true);
    printf("Finish with restart now: waiting for Windows to restart\n");
    fflush(stdout);
    wizard.Click(page, IDC_FINISH);
    // The restart ends every program of this Windows, this one too: the wait below is
    // for that end, and nothing should return from it.
    EXPECT_TRUE(setup.Ends());
    WaitForSingleObject(GetCurrentProcess(), PATIENCE_MS);
    ADD_FAILURE() << "Windows did not restart within " << PATIENCE_MS / 1000 << " s; " << setup.Describe();
}

// The disc as its users hold it: AutoRun starts D:\Setup.exe from the CD, and later the
// Start menu's Uninstall runs the copy in Program Files. Nothing of ours is left.
TEST_F(WizardFlow, XpFromCdThenStartMenuUninstall) {
    ASSERT_EQ(static_cast<UINT>(DRIVE_CDROM), GetDriveTypeA("D:\\")) << "D: is no CD-ROM drive (wine-run --cdrom)";
    SetWindowsFamily("winxp");
    SetHelperBehaviour(3000, 0);
    disc = Disc("D:");
    disc.KeepHelperLogAt("C:\\helper.log");
    PlugIn(reader);
    const Footprint before = TakeFootprint();

    StartWizard();
    HWND page = Next(nullptr, "Welcome");
    ASSERT_TRUE(page);
    wizard.Click(page, IDC_WELCOME_NEXT);
    ASSERT_TRUE(page = Next(page, "PNP Disk"));
    ASSERT_TRUE(page = ThroughInstallation(page, IDC_PNP_NEXT));
    wizard.Click(page, IDC_FINISH);
    ExpectEnds(0);
    ExpectInstalled(1, true, 0);
    SeedDriverStore(reader, "ZELK", "oem3.inf");

    Shortcut uninstall = ReadShortcut(MenuFolder() + "\\Uninstall.lnk");
    ASSERT_TRUE(uninstall.loaded);
    setup = StartProgram("\"" + uninstall.target + "\" " + uninstall.arguments);
    ASSERT_TRUE(setup.IsStarted());
    ASSERT_TRUE(page = Next(nullptr, "Welcome"));
    wizard.Click(page, IDC_WELCOME_NEXT);
    ASSERT_TRUE(page = Next(page, "Uninstall Complete"));
    wizard.Click(page, IDC_FINISH);
    ExpectEnds(0);

    std::vector<std::string> kept = KeptByRemoval(ProgramFolder(), false);
    kept.push_back("C:\\helper.log");
    EXPECT_TRUE(RemovedCleanly(before, TakeFootprint(), kept, reader));
}
