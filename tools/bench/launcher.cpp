// Starts a program with a command line and waits for it, as Setup.exe starts its
// helper installer, and does nothing else.
//   bench_launcher.exe "<program>" <command line the program gets>
#include <windows.h>

namespace {

// Past one argument of a command line (quoted or not) and the blanks after it.
const char* SkipArgument(const char* p) {
    if (*p == '"') {
        for (++p; *p && *p != '"'; ++p) {}
        if (*p) ++p;
    } else {
        while (*p && *p != ' ' && *p != '\t') ++p;
    }
    while (*p == ' ' || *p == '\t') ++p;
    return p;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const char* self = GetCommandLineA();
    const char* programStart = SkipArgument(self);
    const char* commandStart = SkipArgument(programStart);

    char program[MAX_PATH];
    const char* p = programStart;
    if (*p == '"') ++p;
    int length = 0;
    while (*p && *p != '"' && p < commandStart && length < MAX_PATH - 1) program[length++] = *p++;
    while (length > 0 && (program[length - 1] == ' ' || program[length - 1] == '\t')) --length;
    program[length] = '\0';

    char commandLine[1024];
    lstrcpynA(commandLine, commandStart, sizeof commandLine);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.lpTitle = commandLine;
    startup.dwFlags = STARTF_FORCEONFEEDBACK;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(program, commandLine, nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS, nullptr, nullptr,
                        &startup, &process)) {
        return 2;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}
