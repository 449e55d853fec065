// Starting programs from tests, reading what they print, and waiting for events.
// (The C runtime's own <process.h> is shadowed by this one: it includes no more than
// the thread headers that find it here can bear.)
#pragma once
#include <windows.h>

#include <string>

namespace testing {
class AssertionResult;
}

namespace support {

// How long a test waits for any one event (a window, a process end, a file): long
// enough that a machine under load never fails a test by it, and short of ctest's
// limit per test, so that a test that waits in vain can still say what it saw.
const DWORD PATIENCE_MS = 180000;

// Polls `condition` until it holds; false when it still does not after timeoutMs.
template <typename Condition>
bool WaitUntil(Condition condition, DWORD timeoutMs = PATIENCE_MS) {
    ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (!condition()) {
        if (GetTickCount64() > deadline) return false;
        Sleep(20);
    }
    return true;
}

struct RunResult {
    std::string commandLine;
    bool started = false;
    DWORD startError = 0;    // GetLastError when it could not be started
    bool finished = false;   // ended within the time limit
    DWORD timeoutMs = 0;
    DWORD exitCode = 0;
    std::string output;      // what it wrote to standard output
};

// Who a program runs as. Wine makes every user an administrator; a limited user's
// program gets this process's token with the Administrators group for denial only
// (CreateRestrictedToken), which Windows itself then tells apart from an administrator.
enum class Rights { Administrator, LimitedUser };

// Runs a complete command line with standard output captured; waits at most timeoutMs.
RunResult Run(const std::string& commandLine, DWORD timeoutMs = PATIENCE_MS, Rights rights = Rights::Administrator);
// Success when the program started and ended in time; otherwise what happened instead.
::testing::AssertionResult Finished(const RunResult& run);

// A program started without waiting for it, as a user starts the wizard. Whatever
// still runs when this object goes (a test that failed half-way) is ended then.
class Started {
public:
    Started() = default;
    Started(PROCESS_INFORMATION process, std::string commandLine);
    Started(std::string commandLine, DWORD startError);   // one that could not be started
    Started(Started&& other) noexcept;
    Started& operator=(Started&& other) noexcept;
    Started(const Started&) = delete;
    Started& operator=(const Started&) = delete;
    ~Started();

    bool IsStarted() const { return process_ != nullptr; }
    DWORD Id() const { return id_; }
    // Success once the program has ended; otherwise that it still runs after timeoutMs,
    // and the windows it shows.
    ::testing::AssertionResult Ends(DWORD timeoutMs = PATIENCE_MS) const;
    bool HasEnded() const { return process_ && WaitForSingleObject(process_, 0) == WAIT_OBJECT_0; }
    // The exit code once ended; STILL_ACTIVE while it runs.
    DWORD ExitCode() const;
    // "Setup.exe (process 42): ended with exit code 0 (success)", "still runs, showing ...",
    // or why it could not be started.
    std::string Describe() const;
    void Kill();

private:
    void Close();
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
    std::string commandLine_;
    DWORD startError_ = 0;
};

Started StartProgram(const std::string& commandLine, Rights rights = Rights::Administrator);

// Sets (or, with an empty value, removes) a variable of this process's environment,
// which the programs it starts inherit.
void SetEnv(const std::string& name, const std::string& value);

// How many running processes have this file name.
int CountProcesses(const std::string& exeName);

// The folder of the running test program: every Windows program of the build is there.
std::string BinDir();
// The running test program's file name.
std::string ModuleFileName();

}  // namespace support
