#include "dialog.h"
#include "application.h"

namespace framework {

INT_PTR Dialog::DoModal() {
    Application* app = Application::Current();
    HWND owner = app ? app->MainWindow() : nullptr;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    return DialogBoxParamA(instance, MAKEINTRESOURCEA(templateId_), owner, Thunk, reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK Dialog::Thunk(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Dialog* self = reinterpret_cast<Dialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(lParam);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
    }
    return self ? self->DialogProc(message, wParam, lParam) : FALSE;
}

INT_PTR Dialog::DialogProc(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog() ? TRUE : FALSE;
    case WM_COMMAND: {
        WORD id = LOWORD(wParam);
        WORD code = HIWORD(wParam);
        if (OnCommand(id, code)) return TRUE;
        if (id == IDOK) {
            OnOK();
            return TRUE;
        }
        if (id == IDCANCEL) {
            OnCancel();
            return TRUE;
        }
        return FALSE;
    }
    case WM_CLOSE:
        OnCancel();
        return TRUE;
    case WM_NCDESTROY:
        hwnd_ = nullptr;
        return FALSE;
    default:
        return FALSE;
    }
}

bool Dialog::DoDataExchange(bool) { return true; }

bool Dialog::OnInitDialog() {
    DoDataExchange(false);
    CenterOverOwner();
    return true;   // the system gives the focus to the first tab stop
}

void Dialog::OnOK() {
    if (DoDataExchange(true)) EndDialog(hwnd_, IDOK);
}

void Dialog::OnCancel() { EndDialog(hwnd_, IDCANCEL); }

bool Dialog::OnCommand(WORD, WORD) { return false; }

// Over the owner when it is visible, else over the screen; kept on the screen.
void Dialog::CenterOverOwner() {
    RECT dialog, area;
    GetWindowRect(hwnd_, &dialog);
    HWND owner = GetWindow(hwnd_, GW_OWNER);
    if (owner && IsWindowVisible(owner)) {
        GetWindowRect(owner, &area);
    } else {
        SetRect(&area, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    }
    int width = dialog.right - dialog.left;
    int height = dialog.bottom - dialog.top;
    int x = area.left + (area.right - area.left - width) / 2;
    int y = area.top + (area.bottom - area.top - height) / 2;
    int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    if (x + width > screenWidth) x = screenWidth - width;
    if (y + height > screenHeight) y = screenHeight - height;
    if (x < 0) x = 0;
    if (y < 0) y = 0;
    SetWindowPos(hwnd_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace framework
