#include "window.h"
#include "../text/bounded_text.h"

namespace framework {

namespace {

// Registered class names live as long as the process.
const int MAX_CLASSES = 8;
char classNames[MAX_CLASSES][64];
int classCount = 0;

}  // namespace

LRESULT CALLBACK Window::Thunk(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* self = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        if (self) {
            self->hwnd_ = hwnd;
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
    }
    if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
    LRESULT result = self->WindowProc(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
    }
    return result;
}

bool Window::PreCreateWindow(CREATESTRUCTA& cs) {
    if (!cs.lpszClass) cs.lpszClass = RegisterWindowClass(0, LoadCursor(nullptr, IDC_ARROW), nullptr, nullptr);
    return cs.lpszClass != nullptr;
}

bool Window::CreateEx(CREATESTRUCTA& cs) {
    if (!cs.hInstance) cs.hInstance = GetModuleHandleA(nullptr);
    if (!PreCreateWindow(cs)) return false;
    HWND created = CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx, cs.cy,
                                   cs.hwndParent, cs.hMenu, cs.hInstance, this);
    return created != nullptr;
}

LRESULT Window::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefaultProc(message, wParam, lParam);
}

LRESULT Window::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

const char* RegisterWindowClass(UINT classStyle, HCURSOR cursor, HBRUSH background, HICON icon) {
    char name[64];
    if (!Compose(name, sizeof name, "SetupWnd:%u:%u:%u:%u", classStyle,
                 static_cast<unsigned>(reinterpret_cast<UINT_PTR>(cursor)),
                 static_cast<unsigned>(reinterpret_cast<UINT_PTR>(background)),
                 static_cast<unsigned>(reinterpret_cast<UINT_PTR>(icon)))) {
        return nullptr;
    }
    for (int i = 0; i < classCount; ++i) {
        if (TextEquals(classNames[i], name)) return classNames[i];
    }
    if (classCount == MAX_CLASSES) return nullptr;
    WNDCLASSA wc = {};
    wc.style = classStyle;
    wc.lpfnWndProc = Window::Thunk;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hIcon = icon;
    wc.hCursor = cursor;
    wc.hbrBackground = background;
    char* stored = classNames[classCount];
    if (!CopyText(stored, sizeof classNames[0], name)) return nullptr;
    wc.lpszClassName = stored;
    if (!RegisterClassA(&wc)) return nullptr;
    ++classCount;
    return stored;
}

int PumpMessages() {
    MSG msg = {};
    for (;;) {
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) return static_cast<int>(msg.wParam);
        if (got == -1) return 0;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

}  // namespace framework
