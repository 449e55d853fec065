#include "application.h"
#include "window.h"

namespace framework {

namespace {
Application* theApplication = nullptr;
}

Application::Application() { theApplication = this; }

Application::~Application() {
    if (mainThread_) CloseHandle(mainThread_);
    if (theApplication == this) theApplication = nullptr;
}

Application* Application::Current() { return theApplication; }

int Application::Main(HINSTANCE instance) {
    Application* app = theApplication;
    if (!app) return 1;
    app->instance_ = instance;
    // A real handle, usable from any thread, rather than the pseudo handle.
    DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(),
                    &app->mainThread_, 0, FALSE, DUPLICATE_SAME_ACCESS);
    if (app->InitInstance()) app->quitCode_ = app->Run();
    return app->ExitInstance();
}

HWND Application::MainWindow() const { return mainWindow_ ? mainWindow_->Handle() : nullptr; }

int Application::ExitInstance() { return quitCode_; }

int Application::Run() {
    if (!MainWindow()) PostQuitMessage(0);
    return PumpMessages();
}

}  // namespace framework
