// The Wine test programs' entry: gtest's own, except that a run in which every selected
// test was skipped (a case that cannot apply to the build under test) ends with
// SKIPPED_EXIT_CODE, which ctest reports as skipped. A failure always ends as one.
//
// Before any test, the desktop is made ready. In a fresh Wine prefix the first program
// that asks for the desktop window starts explorer.exe, which makes the desktop and
// loads the display driver, and waits for it at most 10 s; after that it makes a bare
// desktop window itself, which explorer then leaves alone. Every program of that
// prefix is then without a display driver and cannot create a single window. Under
// load explorer can take longer than that, so the test program starts explorer first
// and waits, with a generous deadline, until it is ready, before anything asks for
// the desktop.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "names.h"
#include "process.h"

namespace {

const int SKIPPED_EXIT_CODE = 77;
// Explorer sets it on the desktop window once the display driver is loaded.
const wchar_t DISPLAY_DRIVER_PROPERTY[] = L"__wine_display_device_guid";

bool RunsUnderWine() {
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

// Starts the desktop's explorer and waits until it has loaded the display driver.
bool DesktopReady() {
    char windows[MAX_PATH];
    UINT length = GetWindowsDirectoryA(windows, sizeof windows);
    // The system's own explorer, as Wine starts it: 64-bit on 64-bit Windows.
    BOOL wow64 = FALSE;
    IsWow64Process(GetCurrentProcess(), &wow64);
    std::string explorer = std::string(windows, length) + (wow64 ? "\\sysnative" : "\\system32") + "\\explorer.exe";
    std::string commandLine = "\"" + explorer + "\" /desktop";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(explorer.c_str(), &commandLine[0], nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr,
                        nullptr, &startup, &process)) {
        fprintf(stderr, "test_main: cannot start %s: error %s\n", commandLine.c_str(),
                support::ErrorName(GetLastError()).c_str());
        return false;
    }
    // Ready once its message loop runs; one that found a desktop already there has ended.
    DWORD idle = WaitForInputIdle(process.hProcess, support::PATIENCE_MS);
    bool ended = WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    HWND desktop = GetDesktopWindow();
    if (GetPropW(desktop, DISPLAY_DRIVER_PROPERTY)) return true;
    fprintf(stderr, "test_main: the Wine desktop has no display driver: %s %s; desktop window %p has no %ls property\n",
            commandLine.c_str(),
            ended ? "ended" : idle == WAIT_TIMEOUT ? "was still starting after the deadline" : "runs",
            static_cast<void*>(desktop), DISPLAY_DRIVER_PROPERTY);
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (RunsUnderWine() && !DesktopReady()) return 1;
    testing::InitGoogleTest(&argc, argv);
    int result = RUN_ALL_TESTS();
    const testing::UnitTest& run = *testing::UnitTest::GetInstance();
    if (result == 0 && run.skipped_test_count() > 0 && run.successful_test_count() == 0) return SKIPPED_EXIT_CODE;
    return result;
}
