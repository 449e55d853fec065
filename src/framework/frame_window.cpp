#include "frame_window.h"
#include "application.h"

namespace framework {

bool FrameWindow::LoadFrame(UINT resourceId, DWORD style) {
    resourceId_ = resourceId;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    char title[260] = "";
    LoadStringA(instance, resourceId, title, sizeof title);
    CREATESTRUCTA cs = {};
    cs.lpszName = title;
    cs.style = style;
    cs.x = cs.y = cs.cx = cs.cy = CW_USEDEFAULT;
    cs.hMenu = LoadMenuA(instance, MAKEINTRESOURCEA(resourceId));
    cs.hInstance = instance;
    return CreateEx(cs);
}

bool FrameWindow::PreCreateWindow(CREATESTRUCTA& cs) {
    if (!cs.lpszClass) {
        HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resourceId_));
        cs.lpszClass = RegisterWindowClass(0, LoadCursor(nullptr, IDC_ARROW), nullptr, icon);
    }
    return cs.lpszClass != nullptr;
}

int FrameWindow::OnCreate(CREATESTRUCTA*) { return 0; }

void FrameWindow::OnSetFocus() {}

void FrameWindow::RecalcLayout() {
    HWND pane = GetDlgItem(Handle(), PANE_ID);
    if (!pane) return;
    RECT client;
    GetClientRect(Handle(), &client);
    MoveWindow(pane, 0, 0, client.right, client.bottom, TRUE);
}

LRESULT FrameWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return OnCreate(reinterpret_cast<CREATESTRUCTA*>(lParam));
    case WM_SIZE:
        RecalcLayout();
        return 0;
    case WM_SETFOCUS:
        OnSetFocus();
        return 0;
    case WM_DESTROY:
        // The application ends with its main window.
        if (Application::Current() && Application::Current()->MainWindow() == Handle()) PostQuitMessage(0);
        return 0;
    default:
        return DefaultProc(message, wParam, lParam);
    }
}

}  // namespace framework
