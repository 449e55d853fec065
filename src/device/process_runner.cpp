#include <windows.h>

#include "process_runner.h"

int RunAndWait(const char* programPath, char* commandLine, unsigned limitSeconds, Journal& journal) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.lpTitle = commandLine;
    startup.dwFlags = STARTF_FORCEONFEEDBACK;

    journal.ProgramStarting(commandLine);
    // The program is named on its own as well, so a blank in its path can never
    // make the system start some other program.
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(programPath, commandLine, nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS,
                        nullptr, nullptr, &startup, &process)) {
        journal.ProgramEnded(programPath, {ProgramEnd::NOT_STARTED, 0, GetLastError(), 0});
        return RUN_FAILED;
    }
    DWORD limitMs = limitSeconds >= INFINITE / 1000 ? INFINITE - 1 : limitSeconds * 1000;
    DWORD waited = WaitForSingleObject(process.hProcess, limitMs);
    DWORD exitCode = 0;
    if (waited == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (waited == WAIT_TIMEOUT) {
        journal.ProgramEnded(programPath, {ProgramEnd::STILL_RUNNING, 0, 0, limitSeconds});
        return RUN_FAILED;
    }
    journal.ProgramEnded(programPath, {ProgramEnd::EXITED, exitCode, 0, 0});
    return RUN_COMPLETED;
}
