#include <windows.h>

#include "setup_app.h"

static CSetupApp theApp;

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return framework::Application::Main(instance);
}
