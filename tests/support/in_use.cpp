#include "in_use.h"

#include <algorithm>

#include "disc.h"
#include "files.h"
#include "process.h"
#include "registry.h"

namespace support {

HeldOpen::HeldOpen(const std::string& path)
    : file_(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr)) {}

void HeldOpen::Release() {
    if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
    file_ = INVALID_HANDLE_VALUE;
}

LoadedAsProgram::LoadedAsProgram(const std::string& path)
    : module_(LoadLibraryExA(path.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES)) {}

void LoadedAsProgram::Release() {
    if (module_) FreeLibrary(module_);
    module_ = nullptr;
}

std::vector<PendingOperation> PendingFileRenames() {
    RegValue value = ReadValue(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Control\\Session Manager",
                               "PendingFileRenameOperations");
    std::vector<std::string> strings;
    std::string current;
    for (uint8_t byte : value.data) {
        if (byte) {
            current += static_cast<char>(byte);
            continue;
        }
        strings.push_back(current);
        current.clear();
    }
    // The list ends with an empty string of its own.
    if (!strings.empty() && strings.size() % 2 == 1 && strings.back().empty()) strings.pop_back();
    std::vector<PendingOperation> pending;
    auto plain = [](std::string path) {
        if (!path.empty() && path[0] == '!') path.erase(0, 1);   // "!" marks a replacement
        if (path.rfind("\\??\\", 0) == 0) path.erase(0, 4);
        return path;
    };
    for (size_t i = 0; i + 1 < strings.size(); i += 2) pending.push_back({plain(strings[i]), plain(strings[i + 1])});
    return pending;
}

std::vector<std::string> WininitRenameLines() {
    std::vector<std::string> lines;
    bool inRename = false;
    for (const std::string& line : TextLines(ReadFileText(WindowsDir() + "\\WININIT.INI"))) {
        if (!line.empty() && line[0] == '[') {
            inRename = _stricmp(line.c_str(), "[rename]") == 0;
        } else if (inRename && !line.empty()) {
            lines.push_back(line);
        }
    }
    return lines;
}

std::string ShortName(const std::string& path) {
    char shortPath[MAX_PATH];
    DWORD length = GetShortPathNameA(path.c_str(), shortPath, sizeof shortPath);
    return length && length < sizeof shortPath ? std::string(shortPath, length) : "";
}

bool RestartWindows() {
    // On 64-bit Windows the restart is the 64-bit system's, which sees the real system32.
    std::string wineboot = WindowsDir() + (RunsUnderWow64() ? "\\Sysnative" : "\\system32") + "\\wineboot.exe";
    RunResult run = Run("\"" + wineboot + "\" -r");
    return run.started && run.finished;
}

}  // namespace support
