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

// Sets (or, with an empty value, removes) a variable of this process's environment,
// which the programs it starts inherit.
void SetEnv(const std::string& name, const std::string& value);

// How many running processes have this file name.
int CountProcesses(const std::string& exeName);

// The folder of the running test program: every Windows program of the build is there.
std::string BinDir();

}  // namespace support
