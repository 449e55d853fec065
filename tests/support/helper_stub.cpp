// Stands in for a driver disc's helper installer. Appends how it was started to
// helper.log beside itself (or to %STUB_LOG%), with whether the file %STUB_WATCH%
// is writable, then waits until the event named by
// %STUB_GATE% is set (when there is one), sleeps %STUB_SLEEP_MS% and exits with
// %STUB_EXIT_CODE%.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

static unsigned EnvNumber(const char* name) {
    char value[32];
    DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return length && length < sizeof value ? static_cast<unsigned>(strtoul(value, nullptr, 10)) : 0;
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char self[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, self, sizeof self);
    std::string program(self, length);

    char logPath[MAX_PATH];
    DWORD logLength = GetEnvironmentVariableA("STUB_LOG", logPath, sizeof logPath);
    std::string log = logLength && logLength < sizeof logPath
                          ? std::string(logPath, logLength)
                          : program.substr(0, program.find_last_of('\\')) + "\\helper.log";

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    std::string record = "program=" + program + "\ncommand=" + GetCommandLineA() +
                         "\ntitle=" + (startup.lpTitle ? startup.lpTitle : "") + "\n";
    // The file a test watches: could this helper replace it?
    char watched[MAX_PATH];
    DWORD watchedLength = GetEnvironmentVariableA("STUB_WATCH", watched, sizeof watched);
    if (watchedLength && watchedLength < sizeof watched) {
        DWORD attributes = GetFileAttributesA(watched);
        record += std::string("watched=") +
                  (attributes == INVALID_FILE_ATTRIBUTES        ? "missing"
                   : (attributes & FILE_ATTRIBUTE_READONLY) != 0 ? "read-only"
                                                                 : "writable") +
                  "\n";
    }
    record += "--\n";
    if (FILE* out = fopen(log.c_str(), "ab")) {
        fwrite(record.data(), 1, record.size(), out);
        fclose(out);
    }

    char gate[64];
    DWORD gateLength = GetEnvironmentVariableA("STUB_GATE", gate, sizeof gate);
    if (gateLength && gateLength < sizeof gate) {
        if (HANDLE open = OpenEventA(SYNCHRONIZE, FALSE, gate)) {
            WaitForSingleObject(open, INFINITE);
            CloseHandle(open);
        }
    }
    Sleep(EnvNumber("STUB_SLEEP_MS"));
    return static_cast<int>(EnvNumber("STUB_EXIT_CODE"));
}
