// Clicks through Setup.exe's wizard and saves a screenshot of every page it meets.
//   wizard_tour.exe <Setup.exe | --lay-disc> <screenshot folder> <tour>...
// --lay-disc lays out the sample disc at C:\Driver Disc and tours its Setup.exe.
// Tours: install (every page of an installation, with PNP Disk checked where the
// system shows it), exit
// (Welcome, Cancel, Exit Setup, Back), remove (Setup.exe -u), nodevice (the reader
// unplugged first), win98 (an installation as Windows 98 shows it). Pages are found by
// their controls, so a tour works in every language.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "disc.h"
#include "virtual_reader.h"
#include "wizard_driver.h"

using namespace support;

namespace {

const int PROGRESS_BAR = 1100;
const int SAVE_PROGRESS = -1;   // a step that waits for the compact progress window

struct Step {
    int pageControl;   // a control only this page has
    const char* name;  // of the screenshot
    int click;         // the button to press afterwards, 0 for none
    int check;         // a box to check first, 0 for none
};

const std::vector<Step> INSTALL = {
    {1002, "welcome", 1002, 0},   {1005, "pnp-disk", 1005, 1019}, {SAVE_PROGRESS, "progress", 0, 0},
    {1008, "setup-complete", 1010, 0},
};
const std::vector<Step> INSTALL_98 = {
    {1002, "welcome-98", 1002, 0}, {SAVE_PROGRESS, "progress-98", 0, 0}, {1007, "setup-complete-98", 1010, 1015},
};
const std::vector<Step> EXIT = {
    {1003, "welcome-cancel", 1003, 0}, {1021, "exit-setup", 1020, 0}, {1003, "welcome-again", 1003, 0},
    {1021, "exit-setup-again", 1021, 0},
};
const std::vector<Step> REMOVE = {{1002, "welcome-remove", 1002, 0}, {1009, "uninstall-complete", 1010, 0}};
const std::vector<Step> NO_DEVICE = {{1002, "welcome-no-device", 1002, 0}, {1013, "no-device", 1013, 0}};

class Tour {
public:
    Tour(std::string setup, std::string screens) : setup_(std::move(setup)), screens_(std::move(screens)) {}

    bool Run(const std::string& arguments, const std::vector<Step>& steps) {
        PROCESS_INFORMATION process = {};
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        std::string line = "\"" + setup_ + "\" " + arguments;
        if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
            printf("cannot start %s\n", setup_.c_str());
            return false;
        }
        bool ok = true;
        for (const Step& step : steps) {
            ok = step.pageControl == SAVE_PROGRESS ? SaveProgressWindow(step.name) : Visit(step);
            if (!ok) break;
        }
        helpers_.Open();
        ok = WaitForSingleObject(process.hProcess, PATIENCE_MS) == WAIT_OBJECT_0 && ok;
        DWORD exitCode = 0;
        if (ok && GetExitCodeProcess(process.hProcess, &exitCode)) {
            printf("Setup.exe%s%s: exit code %lu\n", arguments.empty() ? "" : " ", arguments.c_str(), exitCode);
        }
        if (!ok) TerminateProcess(process.hProcess, 1);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return ok;
    }

private:
    static HWND WaitForPageWith(int control) {
        HWND found = nullptr;
        WaitUntil([&] {
            for (HWND page = nullptr; (page = FindWindowExW(nullptr, page, L"#32770", nullptr));) {
                if (IsWindowVisible(page) && GetDlgItem(page, control)) found = page;
            }
            return found != nullptr;
        });
        return found;
    }

    // Once the window has painted everything it was asked to.
    void Save(HWND window, const char* name) {
        DWORD_PTR result = 0;
        SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, PATIENCE_MS, &result);
        RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        char file[64];
        snprintf(file, sizeof file, "%02d-%s.bmp", ++count_, name);
        if (driver_.SaveScreen(screens_ + "\\" + file)) printf("page %s\n", file);
    }

    bool Visit(const Step& step) {
        HWND page = WaitForPageWith(step.pageControl);
        if (!page) {
            printf("no page came up with control %d (%s)\n", step.pageControl, step.name);
            return false;
        }
        if (step.check) SendMessageW(GetDlgItem(page, step.check), BM_CLICK, 0, 0);
        Save(page, step.name);
        if (step.click) driver_.Click(page, step.click);
        return true;
    }

    // The progress window while the held helper runs, once its bar has gone a tenth.
    bool SaveProgressWindow(const char* name) {
        HWND bar = nullptr;
        bool shown = driver_.WaitForCompactFrame() && WaitUntil([&] {
            bar = GetDlgItem(driver_.Frame(), PROGRESS_BAR);
            return bar && IsWindowVisible(bar) && SendMessageW(bar, PBM_GETPOS, 0, 0) >= 100;
        });
        if (!shown) {
            printf("the compact progress window never came\n");
            return false;
        }
        Save(driver_.Frame(), name);
        helpers_.Open();
        return true;
    }

    std::string setup_;
    std::string screens_;
    int count_ = 0;
    WizardDriver driver_;

public:
    HelperGate helpers_;   // closed by a tour that shows the progress window
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        fprintf(stderr, "usage: wizard_tour.exe <Setup.exe | --lay-disc> <screenshot folder> <tour>...\n");
        return 64;
    }
    std::string setup = argv[1];
    if (setup == "--lay-disc") {
        Disc disc("C:\\Driver Disc");
        disc.Lay();
        setup = disc.Path("Setup.exe");
    }
    Tour tour(setup, argv[2]);
    VirtualReader reader;
    SetHelperBehaviour(0, 0);
    bool ok = true;
    for (int i = 3; i < argc && ok; ++i) {
        std::string name = argv[i];
        if (name == "install") {
            PlugIn(reader);
            tour.helpers_.Close();
            // Windows 98 and Me install without the PNP Disk page and offer the restart.
            ok = tour.Run("", IsWindows9x() ? INSTALL_98 : INSTALL);
        } else if (name == "exit") {
            ok = tour.Run("", EXIT);
        } else if (name == "remove") {
            PlugIn(reader);
            ok = tour.Run("-u", REMOVE);
        } else if (name == "nodevice") {
            Unplug(reader);
            ok = tour.Run("", NO_DEVICE);
        } else if (name == "win98") {
            std::string family = WindowsFamily();
            SetWindowsFamily("win98");
            tour.helpers_.Close();
            ok = tour.Run("", INSTALL_98);
            SetWindowsFamily(family.empty() ? "winxp" : family);
        } else {
            fprintf(stderr, "unknown tour %s\n", name.c_str());
            return 64;
        }
    }
    return ok ? 0 : 1;
}
