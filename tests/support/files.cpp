#include "files.h"

#include <windows.h>
#include <shlobj.h>

#include <fstream>
#include <sstream>

namespace support {

bool FileExists(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ReadFileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> TextLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        pos = end + 1;
    }
    return lines;
}

void WriteFileText(const std::string& path, const std::string& text) {
    size_t cut = path.find_last_of('\\');
    if (cut != std::string::npos) CreateFolders(path.substr(0, cut));
    RemoveFileForce(path);
    std::ofstream out(path, std::ios::binary);
    out << text;
}

void CopyFileOver(const std::string& from, const std::string& to) {
    size_t cut = to.find_last_of('\\');
    if (cut != std::string::npos) CreateFolders(to.substr(0, cut));
    SetFileAttributesA(to.c_str(), FILE_ATTRIBUTE_NORMAL);
    CopyFileA(from.c_str(), to.c_str(), FALSE);
}

void MakeReadOnly(const std::string& path) { SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY); }

bool IsReadOnly(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

void CreateFolders(const std::string& path) {
    for (size_t i = 3; i <= path.size(); ++i) {
        if (i == path.size() || path[i] == '\\') CreateDirectoryA(path.substr(0, i).c_str(), nullptr);
    }
}

void RemoveFileForce(const std::string& path) {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path.c_str());
}

static std::string Summary(const std::string& path) {
    if (!FileExists(path)) return path + ": missing";
    std::string text = ReadFileText(path);
    std::string start;
    for (char c : text.substr(0, 24)) start += (c >= ' ' && c < 127) ? c : '.';
    return path + ": " + std::to_string(text.size()) + " bytes, \"" + start + "\"...";
}

::testing::AssertionResult SameFile(const std::string& original, const std::string& copy) {
    if (FileExists(original) && FileExists(copy) && ReadFileText(original) == ReadFileText(copy)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << Summary(copy) << "; should hold what " << Summary(original);
}

std::vector<std::string> FilesUnder(const std::string& folder) {
    std::vector<std::string> files;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return files;
    do {
        std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            for (std::string& file : FilesUnder(folder + "\\" + name)) files.push_back(std::move(file));
        } else {
            files.push_back(folder + "\\" + name);
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return files;
}

std::string WindowsDir() {
    char path[MAX_PATH];
    UINT length = GetWindowsDirectoryA(path, sizeof path);
    return std::string(path, length);
}

std::string SystemDir() {
    char path[MAX_PATH];
    UINT length = GetSystemDirectoryA(path, sizeof path);
    return std::string(path, length);
}

static std::string SpecialFolder(int csidl) {
    char path[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, csidl, nullptr, 0, path);
    return path;
}

std::string ProgramsDir() { return SpecialFolder(CSIDL_PROGRAMS); }
std::string ProgramFilesDir() { return SpecialFolder(CSIDL_PROGRAM_FILES); }

}  // namespace support
