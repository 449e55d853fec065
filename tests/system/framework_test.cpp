// The framework layer's own logic: dialog results and data exchange, the frame's
// pane, and the worker thread's start.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/dialog.h"
#include "framework/frame_window.h"
#include "framework/thread.h"
#include "names.h"
#include "process.h"

namespace {

const int GO_BUTTON = 200;
const int BOX = 201;

// Records every exchange and acts once the dialog is up, as a user would.
class ProbeDialog : public framework::Dialog {
public:
    explicit ProbeDialog(std::function<void(HWND)> act) : Dialog(100), act_(std::move(act)) {}
    std::vector<std::string> exchanges;
    bool refuseSaving = false;
    bool boxWhenSaved = false;

protected:
    bool OnInitDialog() override {
        Dialog::OnInitDialog();
        act_(Handle());
        return true;
    }
    bool DoDataExchange(bool saving) override {
        exchanges.push_back(saving ? "save" : "load");
        if (saving) boxWhenSaved = SendMessageA(Item(BOX), BM_GETCHECK, 0, 0) == BST_CHECKED;
        if (saving && refuseSaving) {
            refuseSaving = false;
            PostMessageA(Handle(), WM_COMMAND, IDCANCEL, 0);
            return false;
        }
        return true;
    }
    bool OnCommand(WORD id, WORD code) override {
        if (id != GO_BUTTON || code != BN_CLICKED) return false;
        OnOK();
        return true;
    }

private:
    std::function<void(HWND)> act_;
};

void Post(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    PostMessageA(window, message, wParam, lParam);
}

}  // namespace

TEST(Framework, DialogResultsAndExchangeDirections) {
    ProbeDialog ok([](HWND d) { Post(d, WM_COMMAND, IDOK); });
    EXPECT_EQ(support::DialogResultName(IDOK), support::DialogResultName(ok.DoModal()));
    EXPECT_EQ((std::vector<std::string>{"load", "save"}), ok.exchanges);

    ProbeDialog bound([](HWND d) {
        SendMessageA(GetDlgItem(d, BOX), BM_SETCHECK, BST_CHECKED, 0);
        Post(d, WM_COMMAND, MAKEWPARAM(GO_BUTTON, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(d, GO_BUTTON)));
    });
    EXPECT_EQ(support::DialogResultName(IDOK), support::DialogResultName(bound.DoModal()));
    EXPECT_TRUE(bound.boxWhenSaved) << "the saving exchange sees the controls as the user left them";

    ProbeDialog escape([](HWND d) { Post(GetDlgItem(d, GO_BUTTON), WM_KEYDOWN, VK_ESCAPE, 0x00010001); });
    EXPECT_EQ(support::DialogResultName(IDCANCEL), support::DialogResultName(escape.DoModal()));
    EXPECT_EQ((std::vector<std::string>{"load"}), escape.exchanges) << "a cancelled page saves nothing";

    ProbeDialog closeBox([](HWND d) { Post(d, WM_SYSCOMMAND, SC_CLOSE); });
    EXPECT_EQ(support::DialogResultName(IDCANCEL), support::DialogResultName(closeBox.DoModal()));
    EXPECT_EQ((std::vector<std::string>{"load"}), closeBox.exchanges);

    ProbeDialog refused([](HWND d) { Post(d, WM_COMMAND, IDOK); });
    refused.refuseSaving = true;
    EXPECT_EQ(support::DialogResultName(IDCANCEL), support::DialogResultName(refused.DoModal())) << "a failed saving exchange keeps the page open";
}

namespace {

class PaneFrame : public framework::FrameWindow {
public:
    HWND pane = nullptr;

protected:
    int OnCreate(CREATESTRUCTA*) override {
        pane = CreateWindowExA(0, "Static", "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, Handle(),
                               reinterpret_cast<HMENU>(static_cast<UINT_PTR>(framework::PANE_ID)), nullptr, nullptr);
        return pane ? 0 : -1;
    }
};

class SignallingThread : public framework::Thread {
public:
    HANDLE ran = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE gone;
    bool init = true;
    explicit SignallingThread(HANDLE goneEvent) : gone(goneEvent) {}
    ~SignallingThread() override {
        CloseHandle(ran);
        SetEvent(gone);
    }

protected:
    bool InitInstance() override { return init; }
    int Run() override {
        SetEvent(ran);
        return 7;
    }
};

}  // namespace

TEST(Framework, FrameKeepsItsPaneOverTheClientArea) {
    PaneFrame frame;
    ASSERT_TRUE(frame.LoadFrame(300, WS_OVERLAPPEDWINDOW));
    char title[64] = {};
    GetWindowTextA(frame.Handle(), title, sizeof title);
    EXPECT_STREQ("Framework frame", title);
    EXPECT_NE(nullptr, GetMenu(frame.Handle()));
    for (int size : {300, 520}) {
        MoveWindow(frame.Handle(), 10, 10, size, size * 3 / 4, TRUE);
        RECT client, pane;
        GetClientRect(frame.Handle(), &client);
        GetClientRect(frame.pane, &pane);
        EXPECT_EQ(client.right, pane.right);
        EXPECT_EQ(client.bottom, pane.bottom);
    }
    DestroyWindow(frame.Handle());
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
}

TEST(Framework, ThreadRunsOnlyWhenResumedAndEndsItself) {
    HANDLE gone = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    auto* thread = new SignallingThread(gone);
    ASSERT_TRUE(thread->CreateSuspended(THREAD_PRIORITY_NORMAL));
    HANDLE ran = thread->ran;
    EXPECT_EQ(support::WaitResultName(WAIT_TIMEOUT), support::WaitResultName(WaitForSingleObject(ran, 200)))
        << "a suspended thread runs nothing";
    HANDLE handle;
    DuplicateHandle(GetCurrentProcess(), thread->Handle(), GetCurrentProcess(), &handle, 0, FALSE,
                    DUPLICATE_SAME_ACCESS);
    thread->Resume();
    EXPECT_EQ(support::WaitResultName(WAIT_OBJECT_0), support::WaitResultName(WaitForSingleObject(gone, support::PATIENCE_MS))) << "the object deletes itself at its end";
    EXPECT_EQ(support::WaitResultName(WAIT_OBJECT_0), support::WaitResultName(WaitForSingleObject(handle, support::PATIENCE_MS)));
    DWORD code = 0;
    GetExitCodeThread(handle, &code);
    EXPECT_EQ(7u, code) << "Run's result is the thread's exit code";
    CloseHandle(handle);

    ResetEvent(gone);
    auto* refusing = new SignallingThread(gone);
    refusing->init = false;
    ASSERT_TRUE(refusing->CreateSuspended(THREAD_PRIORITY_NORMAL));
    refusing->Resume();
    EXPECT_EQ(support::WaitResultName(WAIT_OBJECT_0), support::WaitResultName(WaitForSingleObject(gone, support::PATIENCE_MS))) << "a failed InitInstance still ends the object";
    CloseHandle(gone);
}
