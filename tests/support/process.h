// Starting programs from tests and reading what they print.
#pragma once
#include <windows.h>

#include <string>

namespace support {

struct RunResult {
    bool started = false;
    bool finished = false;   // ended within the time limit
    DWORD exitCode = 0;
    std::string output;      // what it wrote to standard output
};

// Runs a complete command line with standard output captured; waits at most timeoutMs.
RunResult Run(const std::string& commandLine, DWORD timeoutMs = 120000);

// A program started without waiting for it, as a user starts the wizard. Whatever
// still runs when this object goes (a test that failed half-way) is ended then.
class Started {
public:
    Started() = default;
    explicit Started(PROCESS_INFORMATION process);
    Started(Started&& other) noexcept;
    Started& operator=(Started&& other) noexcept;
    Started(const Started&) = delete;
    Started& operator=(const Started&) = delete;
    ~Started();

    bool IsStarted() const { return process_ != nullptr; }
    DWORD Id() const { return id_; }
    // True once the program has ended, false if it still runs after timeoutMs.
    bool WaitForExit(DWORD timeoutMs = 60000) const;
    bool HasEnded() const { return WaitForExit(0); }
    // The exit code once ended; STILL_ACTIVE while it runs.
    DWORD ExitCode() const;
    void Kill();

private:
    void Close();
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

Started StartProgram(const std::string& commandLine);

// Sets (or, with an empty value, removes) a variable of this process's environment,
// which the programs it starts inherit.
void SetEnv(const std::string& name, const std::string& value);

// How many running processes have this file name.
int CountProcesses(const std::string& exeName);

// The folder of the running test program: every Windows program of the build is there.
std::string BinDir();

}  // namespace support
