#include <windows.h>

#include "process_runner.h"

int RunAndWait(const char* programPath, char* commandLine, unsigned limitSeconds) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.lpTitle = commandLine;
    startup.dwFlags = STARTF_FORCEONFEEDBACK;

    // The program is named on its own as well, so a blank in its path can never
    // make the system start some other program.
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(programPath, commandLine, nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS,
                        nullptr, nullptr, &startup, &process)) {
        return RUN_FAILED;
    }
    DWORD limitMs = limitSeconds >= INFINITE / 1000 ? INFINITE - 1 : limitSeconds * 1000;
    DWORD waited = WaitForSingleObject(process.hProcess, limitMs);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return waited == WAIT_TIMEOUT ? RUN_FAILED : RUN_COMPLETED;
}
