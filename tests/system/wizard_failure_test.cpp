// A page that cannot be shown ends the wizard with a message and exit code 3, never
// silently and never as a success. This program holds none of Setup.exe's page
// templates, so every page the real controller asks for fails to be made, as it
// would on a system that cannot create the dialog.
#include <gtest/gtest.h>

#include <string>

#include "names.h"
#include "process.h"
#include "res/resource_ids.h"
#include "state/setup_state.h"
#include "ui/main_frame.h"
#include "ui/wizard_messages.h"

namespace {

struct FailingStep {
    UINT message;
    WPARAM wParam;
    int page;
};

const FailingStep STEPS[] = {
    {WM_WIZ_WELCOME, 0, IDD_WELCOME},
    {WM_WIZ_PNPDISK, 0, IDD_PNP_DISK},
    {WM_WIZ_CONFIRM_EXIT, 1, IDD_EXIT_SETUP},
    {WM_WIZ_SETUP_DONE, 0, IDD_SETUP_COMPLETE},
    {WM_WIZ_REMOVE_DONE, 0, IDD_UNINSTALL_COMPLETE},
    {WM_WIZ_NO_DEVICE, 0, IDD_NO_DEVICE},
    {WM_WIZ_NOT_INSTALLED, 0, IDD_NOT_INSTALLED},
};

struct BoxWatch {
    DWORD thread;
    HANDLE stepReturned;
    std::string text;   // the message box's text, once seen and closed
};

BOOL CALLBACK FindBox(HWND window, LPARAM param) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpA(className, "#32770") != 0 || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(param) = window;
    return FALSE;
}

// Waits for a message box on the wizard's thread (or the step's return), reads it
// and closes it as a user would.
DWORD WINAPI CloseMessageBox(void* param) {
    BoxWatch* watch = static_cast<BoxWatch*>(param);
    HWND box = nullptr;
    support::WaitUntil([&] {
        EnumThreadWindows(watch->thread, FindBox, reinterpret_cast<LPARAM>(&box));
        return box || WaitForSingleObject(watch->stepReturned, 0) == WAIT_OBJECT_0;
    });
    if (!box) return 0;
    char text[512] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    watch->text = text;
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    return 0;
}

}  // namespace

TEST(WizardFailure, APageThatCannotBeShownEndsTheWizardWithExitCode3) {
    setupState.pnpMode = -1;   // the PNP Disk step asks
    for (const FailingStep& step : STEPS) {
        SCOPED_TRACE("page " + support::ResourceName(step.page));
        Journal none;
        FilePlacement files(none);
        CMainFrame frame(files, none);
        ASSERT_TRUE(frame.LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW));
        MSG msg;
        while (PeekMessageA(&msg, frame.Handle(), 0, 0, PM_REMOVE)) {
        }   // the first step its creation posted

        BoxWatch watch = {GetCurrentThreadId(), CreateEventA(nullptr, TRUE, FALSE, nullptr), ""};
        HANDLE watcher = CreateThread(nullptr, 0, CloseMessageBox, &watch, 0, nullptr);
        frame.WindowProc(step.message, step.wParam, 0);
        SetEvent(watch.stepReturned);
        WaitForSingleObject(watcher, support::PATIENCE_MS);
        CloseHandle(watcher);
        CloseHandle(watch.stepReturned);

        const std::string named = "window " + std::to_string(step.page) + " (system error " +
                                  std::to_string(ERROR_RESOURCE_NAME_NOT_FOUND) + ")";
        EXPECT_TRUE(watch.text.find(named) != std::string::npos)
            << "a message box naming \"" << named << "\"; it said \"" << watch.text << "\"";
        ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the wizard did not end";
        EXPECT_EQ(support::ExitCodeName(3), support::ExitCodeName(static_cast<DWORD>(msg.wParam)));
        EXPECT_FALSE(PeekMessageA(&msg, frame.Handle(), WM_USER, WM_USER + 0x100, PM_REMOVE))
            << "no step may follow; found message " << msg.message - WM_USER << " above WM_USER";
        DestroyWindow(frame.Handle());
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
    }
}
