#include "process.h"

#include <gtest/gtest.h>
#include <tlhelp32.h>

#include <vector>

#include "names.h"

namespace support {

namespace {

std::string ModulePath() {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    return std::string(path, length);
}

// This process's token without the Administrators group (for denial only); null when it
// cannot be made.
HANDLE LimitedUserToken() {
    HANDLE own = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_DUPLICATE | TOKEN_QUERY | TOKEN_ASSIGN_PRIMARY, &own)) {
        return nullptr;
    }
    SID_IDENTIFIER_AUTHORITY ntAuthority = SECURITY_NT_AUTHORITY;
    PSID administrators = nullptr;
    HANDLE limited = nullptr;
    if (AllocateAndInitializeSid(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0,
                                 0, 0, &administrators)) {
        SID_AND_ATTRIBUTES disabled = {administrators, 0};
        if (!CreateRestrictedToken(own, 0, 1, &disabled, 0, nullptr, 0, nullptr, &limited)) limited = nullptr;
        FreeSid(administrators);
    }
    CloseHandle(own);
    return limited;
}

// CreateProcessA, or CreateProcessAsUserA with a limited user's token.
bool CreateAs(Rights rights, char* commandLine, BOOL inheritHandles, STARTUPINFOA& startup,
              PROCESS_INFORMATION& process) {
    if (rights == Rights::Administrator) {
        return CreateProcessA(nullptr, commandLine, nullptr, nullptr, inheritHandles, 0, nullptr, nullptr, &startup,
                              &process) != FALSE;
    }
    HANDLE token = LimitedUserToken();
    if (!token) return false;
    bool created = CreateProcessAsUserA(token, nullptr, commandLine, nullptr, nullptr, inheritHandles, 0, nullptr,
                                        nullptr, &startup, &process) != FALSE;
    DWORD error = GetLastError();
    CloseHandle(token);
    SetLastError(error);
    return created;
}

}  // namespace

RunResult Run(const std::string& commandLine, DWORD timeoutMs, Rights rights) {
    RunResult result;
    result.commandLine = commandLine;
    result.timeoutMs = timeoutMs;
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) {
        result.startError = GetLastError();
        return result;
    }
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = writeEnd;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process = {};
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    result.started = CreateAs(rights, line.data(), TRUE, startup, process);
    if (!result.started) result.startError = GetLastError();
    CloseHandle(writeEnd);
    if (!result.started) {
        CloseHandle(readEnd);
        return result;
    }
    // Drain the pipe while waiting, so that neither a chatty nor a hung child blocks us.
    ULONGLONG deadline = GetTickCount64() + timeoutMs;
    char buffer[4096];
    for (;;) {
        bool ended = WaitForSingleObject(process.hProcess, 20) == WAIT_OBJECT_0;
        DWORD available = 0, got = 0;
        while (PeekNamedPipe(readEnd, nullptr, 0, nullptr, &available, nullptr) && available &&
               ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got) {
            result.output.append(buffer, got);
        }
        if (ended) {
            result.finished = true;
            break;
        }
        if (GetTickCount64() > deadline) break;
    }
    GetExitCodeProcess(process.hProcess, &result.exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    CloseHandle(readEnd);
    return result;
}

::testing::AssertionResult Finished(const RunResult& run) {
    if (run.started && run.finished) return ::testing::AssertionSuccess();
    if (!run.started) {
        return ::testing::AssertionFailure() << "could not start " << run.commandLine << ": error "
                                             << ErrorName(run.startError);
    }
    return ::testing::AssertionFailure() << run.commandLine << " still runs after " << run.timeoutMs / 1000
                                         << " s; it printed \"" << run.output << "\"";
}

Started::Started(PROCESS_INFORMATION process, std::string commandLine)
    : process_(process.hProcess), id_(process.dwProcessId), commandLine_(std::move(commandLine)) {
    CloseHandle(process.hThread);
}

Started::Started(std::string commandLine, DWORD startError)
    : commandLine_(std::move(commandLine)), startError_(startError) {}

Started::Started(Started&& other) noexcept
    : process_(other.process_), id_(other.id_), commandLine_(std::move(other.commandLine_)),
      startError_(other.startError_) {
    other.process_ = nullptr;
    other.id_ = 0;
}

Started& Started::operator=(Started&& other) noexcept {
    if (this != &other) {
        Close();
        process_ = other.process_;
        id_ = other.id_;
        commandLine_ = std::move(other.commandLine_);
        startError_ = other.startError_;
        other.process_ = nullptr;
        other.id_ = 0;
    }
    return *this;
}

Started::~Started() { Close(); }

::testing::AssertionResult Started::Ends(DWORD timeoutMs) const {
    if (process_ && WaitForSingleObject(process_, timeoutMs) == WAIT_OBJECT_0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "waited " << timeoutMs / 1000 << " s for its end: " << Describe();
}

DWORD Started::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    if (process_) GetExitCodeProcess(process_, &code);
    return code;
}

std::string Started::Describe() const {
    if (!process_) return commandLine_ + ": could not be started: error " + ErrorName(startError_);
    std::string who = commandLine_ + " (process " + std::to_string(id_) + ")";
    if (HasEnded()) return who + ": ended with exit code " + ExitCodeName(ExitCode());
    return who + ": still runs, showing " + VisibleWindows(id_);
}

void Started::Kill() {
    if (process_ && !HasEnded()) {
        TerminateProcess(process_, 0xDEAD);
        WaitForSingleObject(process_, PATIENCE_MS);
    }
}

void Started::Close() {
    if (!process_) return;
    Kill();
    CloseHandle(process_);
    process_ = nullptr;
}

Started StartProgram(const std::string& commandLine, Rights rights) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    if (!CreateAs(rights, line.data(), FALSE, startup, process)) {
        return Started(commandLine, GetLastError());
    }
    return Started(process, commandLine);
}

void SetEnv(const std::string& name, const std::string& value) {
    SetEnvironmentVariableA(name.c_str(), value.empty() ? nullptr : value.c_str());
}

int CountProcesses(const std::string& exeName) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return -1;
    int count = 0;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
        if (lstrcmpiA(entry.szExeFile, exeName.c_str()) == 0) ++count;
    }
    CloseHandle(snapshot);
    return count;
}

std::string BinDir() {
    std::string path = ModulePath();
    return path.substr(0, path.find_last_of('\\'));
}

std::string ModuleFileName() {
    std::string path = ModulePath();
    return path.substr(path.find_last_of('\\') + 1);
}

}  // namespace support
