// The program as a local COM server: COM for the main thread, and its AppID
// written or removed on "RegServer" / "UnregServer".
#pragma once
#include <windows.h>

// Initialises COM for the calling thread and carries out a registration request of
// the command line. False when COM cannot be initialised or a request was carried
// out: start-up then ends. started tells whether ShutdownComModule is owed.
bool InitComModule(HINSTANCE instance, bool& started);

// Undoes InitComModule; called from the exit work when started is set.
void ShutdownComModule(bool& started);
