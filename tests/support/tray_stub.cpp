// Stands in for the disc's tray icon monitor: Setup copies and registers it, never runs it.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return 0; }
