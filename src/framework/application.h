// The application object: start-up, the message loop and the exit work.
#pragma once
#include <windows.h>

namespace framework {

class Window;

class Application {
public:
    Application();
    virtual ~Application();

    // Runs the one application object: InitInstance, the message loop when it
    // succeeded, ExitInstance. Returns the process exit code.
    static int Main(HINSTANCE instance);
    static Application* Current();

    HINSTANCE Instance() const { return instance_; }
    HANDLE MainThread() const { return mainThread_; }
    // The main window: pages are owned by it, and the message loop ends with it.
    HWND MainWindow() const;
    void SetMainWindow(Window* window) { mainWindow_ = window; }

protected:
    virtual bool InitInstance() = 0;
    // Returns the exit code: the quit message's code.
    virtual int ExitInstance();
    // The message loop; ends on WM_QUIT, at once when there is no main window.
    virtual int Run();

private:
    HINSTANCE instance_ = nullptr;
    HANDLE mainThread_ = nullptr;
    Window* mainWindow_ = nullptr;
    int quitCode_ = 0;
};

}  // namespace framework
