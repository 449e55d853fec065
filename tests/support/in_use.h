// Files another program holds, as a running Windows holds ours, and the restart that
// lets them go: what the system queued for it, and Wine's restart itself.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace support {

// Holds a file open for reading without FILE_SHARE_DELETE, as a program that reads it
// does: deleting or overwriting it fails with a sharing violation (error 32).
class HeldOpen {
public:
    explicit HeldOpen(const std::string& path);
    ~HeldOpen() { Release(); }
    HeldOpen(const HeldOpen&) = delete;
    HeldOpen& operator=(const HeldOpen&) = delete;
    bool Holds() const { return file_ != INVALID_HANDLE_VALUE; }
    void Release();

private:
    HANDLE file_;
};

// Loads a program file (a DLL) as the system loads one: deleting it is refused (error
// 5, access denied) and overwriting it fails with a sharing violation.
class LoadedAsProgram {
public:
    explicit LoadedAsProgram(const std::string& path);
    ~LoadedAsProgram() { Release(); }
    LoadedAsProgram(const LoadedAsProgram&) = delete;
    LoadedAsProgram& operator=(const LoadedAsProgram&) = delete;
    bool Holds() const { return module_ != nullptr; }
    void Release();

private:
    HMODULE module_;
};

// The NT family's queue for the next restart (PendingFileRenameOperations), as
// pairs: the file, and what replaces it ("" for a deletion). Paths as the system
// wrote them, with its "\??\" prefix taken off.
struct PendingOperation {
    std::string path;
    std::string replacement;
};
std::vector<PendingOperation> PendingFileRenames();

// The lines of WININIT.INI's [rename] section in the Windows folder, in order.
std::vector<std::string> WininitRenameLines();

// A path's 8.3 name, as the system gives it (WININIT.INI takes no other).
std::string ShortName(const std::string& path);

// Restarts Windows as Wine does at boot (wineboot -r, the real system's one on 64-bit
// Windows): the queued deletions and replacements of both kinds are carried out, and
// the test program goes on running. False when it could not be run to its end.
bool RestartWindows();

}  // namespace support
