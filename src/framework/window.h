// A window object: one window procedure for every class we register, which finds the
// object through GWLP_USERDATA (set on WM_NCCREATE) and calls its WindowProc.
#pragma once
#include <windows.h>

namespace framework {

class Window {
public:
    Window() = default;
    virtual ~Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Handle() const { return hwnd_; }

    // Creates the window from a create structure that PreCreateWindow may change.
    bool CreateEx(CREATESTRUCTA& cs);

    // The message handler; the base hands everything to DefaultProc.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // The window procedure of every class RegisterWindowClass makes.
    static LRESULT CALLBACK Thunk(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

protected:
    // Adjusts the class, styles and position before the window is made; false stops it.
    virtual bool PreCreateWindow(CREATESTRUCTA& cs);
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);

private:
    HWND hwnd_ = nullptr;
};

// Registers (once) a window class served by Window objects and returns its name.
const char* RegisterWindowClass(UINT classStyle, HCURSOR cursor, HBRUSH background, HICON icon);

// Dispatches this thread's messages until WM_QUIT and returns its code (0 when
// GetMessage fails).
int PumpMessages();

}  // namespace framework
