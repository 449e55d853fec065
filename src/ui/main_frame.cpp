#include "main_frame.h"
#include "frame_geometry.h"
#include "wizard_messages.h"
#include "../framework/application.h"
#include "../res/resource_ids.h"

#include <commctrl.h>

bool CMainFrame::PreCreateWindow(CREATESTRUCTA& cs) {
    cs.style = MAIN_FRAME_STYLE;
    cs.dwExStyle &= ~WS_EX_CLIENTEDGE;
    HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    cs.lpszClass = framework::RegisterWindowClass(0, nullptr, nullptr, icon);
    return cs.lpszClass != nullptr;
}

int CMainFrame::OnCreate(CREATESTRUCTA* cs) {
    if (FrameWindow::OnCreate(cs) == -1) return -1;
    view.paintSuppressed = FALSE;
    CREATESTRUCTA pane = {};
    pane.style = WS_CHILD | WS_VISIBLE | WS_BORDER;
    pane.hwndParent = Handle();
    pane.hMenu = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(framework::PANE_ID));
    if (!view.CreateEx(pane)) return -1;
    RecalcLayout();

    RECT bar = {0, 0, COMPACT_WIDTH, COMPACT_HEIGHT};
    progress.Create(WS_CHILD | PBS_SMOOTH, bar, Handle(), IDC_PROGRESS);
    progress.SetRange(0, 1000);
    installStarted = 0;
    pollCount = 0;
    return 0;
}

void CMainFrame::OnSetFocus() {
    if (view.Handle()) SetFocus(view.Handle());
}

void CMainFrame::EnterProgressMode() {
    int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    // The worker gets the processor; this thread only animates and polls.
    SetThreadPriority(framework::Application::Current()->MainThread(), THREAD_PRIORITY_LOWEST);
    view.paintSuppressed = TRUE;
    progress.Show(true);
    Rect r = CompactFrameRect(screenWidth, screenHeight);
    MoveWindow(Handle(), r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

void CMainFrame::LeaveProgressMode() {
    view.paintSuppressed = FALSE;
    progress.Show(false);
    SetThreadPriority(framework::Application::Current()->MainThread(), THREAD_PRIORITY_NORMAL);
    MoveWindow(Handle(), 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), TRUE);
    ShowWindow(Handle(), SW_SHOWMAXIMIZED);
    UpdateWindow(Handle());
}
