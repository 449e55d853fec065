#include "process.h"

#include <tlhelp32.h>

#include <vector>

namespace support {

RunResult Run(const std::string& commandLine, DWORD timeoutMs) {
    RunResult result;
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return result;
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
    result.started = CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                    &startup, &process) != FALSE;
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

Started::Started(PROCESS_INFORMATION process) : process_(process.hProcess), id_(process.dwProcessId) {
    CloseHandle(process.hThread);
}

Started::Started(Started&& other) noexcept : process_(other.process_), id_(other.id_) {
    other.process_ = nullptr;
    other.id_ = 0;
}

Started& Started::operator=(Started&& other) noexcept {
    if (this != &other) {
        Close();
        process_ = other.process_;
        id_ = other.id_;
        other.process_ = nullptr;
        other.id_ = 0;
    }
    return *this;
}

Started::~Started() { Close(); }

bool Started::WaitForExit(DWORD timeoutMs) const {
    return process_ && WaitForSingleObject(process_, timeoutMs) == WAIT_OBJECT_0;
}

DWORD Started::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    if (process_) GetExitCodeProcess(process_, &code);
    return code;
}

void Started::Kill() {
    if (process_ && !HasEnded()) {
        TerminateProcess(process_, 0xDEAD);
        WaitForSingleObject(process_, 10000);
    }
}

void Started::Close() {
    if (!process_) return;
    Kill();
    CloseHandle(process_);
    process_ = nullptr;
}

Started StartProgram(const std::string& commandLine) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        return Started();
    }
    return Started(process);
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
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\'));
}

}  // namespace support
