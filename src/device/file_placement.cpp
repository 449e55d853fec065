#include <windows.h>

#include "file_placement.h"
#include "real_system_folder.h"
#include "wininit_rename.h"
#include "../framework/late_bound.h"
#include "../text/bounded_text.h"

namespace {

// WININIT.INI is read whole; Windows 98 itself reads no more than this.
const DWORD MAX_WININIT_SIZE = 65535;

void ClearReadOnly(const char* path) {
    DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_READONLY)) return;
    attributes &= ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY);
    SetFileAttributesA(path, attributes ? attributes : FILE_ATTRIBUTE_NORMAL);
}

// The file is there, not read-only, and the system refused it for a sharing violation
// or because it is loaded: another program holds it.
bool IsInUse(const char* path, DWORD error) {
    if (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED) return false;
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES &&
           !(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY));
}

typedef BOOL(WINAPI* MoveFileExProc)(LPCSTR, LPCSTR, DWORD);

// Windows 98 has no boot-time queue of its own: looked up, never imported.
bool MoveAtRestart(const char* from, const char* to, DWORD flags) {
    MoveFileExProc move = LateBound<MoveFileExProc>(GetModuleHandleA("kernel32.dll"), "MoveFileExA");
    return move && move(from, to, MOVEFILE_DELAY_UNTIL_REBOOT | flags);
}

// The 8.3 name WININIT.INI needs (it is read before long names exist).
bool ShortName(const char* path, char (&shortPath)[260]) {
    DWORD length = GetShortPathNameA(path, shortPath, sizeof shortPath);
    return length > 0 && length < sizeof shortPath;
}

// A fresh, empty file beside `destination`, named into `fresh`.
bool MakeFreshNameBeside(const char* destination, char (&fresh)[260]) {
    char folder[260];
    char* name = nullptr;
    DWORD length = GetFullPathNameA(destination, sizeof folder, folder, &name);
    if (length == 0 || length >= sizeof folder || !name || name == folder) return false;
    *name = '\0';
    return GetTempFileNameA(folder, "zlk", 0, fresh) != 0;
}

// The whole of a file; an absent file reads as empty. False when it cannot be read or
// is too big.
bool ReadWhole(const char* path, char*& text, DWORD& length) {
    text = nullptr;
    length = 0;
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_FILE_NOT_FOUND;
    DWORD size = GetFileSize(file, nullptr);
    bool read = false;
    if (size != INVALID_FILE_SIZE && size <= MAX_WININIT_SIZE) {
        text = new char[size + 1];
        read = text && ReadFile(file, text, size, &length, nullptr) && length == size;
    }
    CloseHandle(file);
    if (!read) {
        delete[] text;
        text = nullptr;
    }
    return read;
}

// Rewrites a file from its start. The new text only ever adds to the old, so a write
// that stops half-way leaves the old text's beginning in place.
bool WriteWhole(const char* path, const char* text, DWORD length) {
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool done = WriteFile(file, text, length, &written, nullptr) && written == length && SetEndOfFile(file);
    CloseHandle(file);
    return done;
}

}  // namespace

void FilePlacement::UseRestartQueue(bool ntFamily, const char* windowsDir) {
    nt_ = ntFamily;
    CopyText(windowsDir_, windowsDir);
}

bool FilePlacement::CopyOver(const char* source, const char* destination) {
    SetFileAttributesA(destination, FILE_ATTRIBUTE_NORMAL);
    if (CopyFileA(source, destination, FALSE)) {
        ClearReadOnly(destination);
        journal_.Record(Act::Copy, source, destination, Outcome::Done());
        return true;
    }
    DWORD error = GetLastError();
    char fresh[PATH_SIZE];
    if (IsInUse(destination, error) && MakeFreshNameBeside(destination, fresh)) {
        if (CopyFileA(source, fresh, FALSE)) {
            ClearReadOnly(fresh);
            if (QueueReplacement(fresh, destination)) {
                journal_.RecordReplacementAtRestart(source, destination, fresh);
                return true;
            }
        }
        DeleteFileA(fresh);
    }
    journal_.Record(Act::Copy, source, destination, Outcome::Failed(error));
    return false;
}

bool FilePlacement::Delete(const char* path) {
    ClearReadOnly(path);
    if (DeleteFileA(path)) {
        journal_.Record(Act::Delete, path, Outcome::Done());
        return true;
    }
    DWORD error = GetLastError();
    if (IsInUse(path, error) && QueueDeletion(path)) {
        journal_.Record(Act::Delete, path, Outcome::AtRestart());
        return true;
    }
    journal_.Record(Act::Delete, path, Outcome::Failed(error));
    return false;
}

bool FilePlacement::DeleteFromRealSystemFolder(const char* path) {
    // The path queued for the restart is the same: the system that carries it out sees
    // the real system32.
    RealSystemFolderView view;
    return Delete(path);
}

void FilePlacement::CreateFolder(const char* path) {
    bool made = CreateDirectoryA(path, nullptr) != FALSE;
    journal_.Record(Act::CreateFolder, path, Outcome::Of(made, made ? 0 : GetLastError()));
}

void FilePlacement::RemoveFolder(const char* path) {
    if (RemoveDirectoryA(path)) {
        journal_.Record(Act::RemoveFolder, path, Outcome::Done());
        return;
    }
    DWORD error = GetLastError();
    // The system removes an empty folder at the restart, after the files queued before it.
    if (nt_ && HoldsOnlyQueued(path) && MoveAtRestart(path, nullptr, 0)) {
        Remember(path);
        journal_.Record(Act::RemoveFolder, path, Outcome::AtRestart());
        return;
    }
    journal_.Record(Act::RemoveFolder, path, Outcome::Failed(error));
}

bool FilePlacement::QueueDeletion(const char* path) {
    bool queued;
    if (nt_) {
        queued = MoveAtRestart(path, nullptr, 0);
    } else {
        char shortPath[PATH_SIZE];
        char line[PATH_SIZE + 8];
        queued = ShortName(path, shortPath) && ComposeInto(line, "NUL=%s", shortPath) && QueueInWininit(line);
    }
    if (!queued) return false;
    Remember(path);
    restartPending_ = true;
    return true;
}

bool FilePlacement::QueueReplacement(const char* fresh, const char* destination) {
    bool queued;
    if (nt_) {
        queued = MoveAtRestart(fresh, destination, MOVEFILE_REPLACE_EXISTING);
    } else {
        char shortDestination[PATH_SIZE];
        char shortFresh[PATH_SIZE];
        char line[2 * PATH_SIZE + 2];
        queued = ShortName(destination, shortDestination) && ShortName(fresh, shortFresh) &&
                 ComposeInto(line, "%s=%s", shortDestination, shortFresh) && QueueInWininit(line);
    }
    if (queued) restartPending_ = true;
    return queued;
}

bool FilePlacement::QueueInWininit(const char* line) {
    char path[PATH_SIZE];
    if (!windowsDir_[0] || !ComposeInto(path, "%s\\WININIT.INI", windowsDir_)) return false;
    char* text = nullptr;
    DWORD length = 0;
    if (!ReadWhole(path, text, length)) return false;
    size_t room = RenameRoom(length, TextLength(line));
    char* updated = new char[room];
    size_t used = 0;
    bool queued = updated && AddRenameLine(text ? text : "", length, line, updated, room, &used) &&
                  WriteWhole(path, updated, static_cast<DWORD>(used));
    delete[] updated;
    delete[] text;
    return queued;
}

void FilePlacement::Remember(const char* path) {
    if (queuedCount_ < QUEUE_SIZE && CopyText(queued_[queuedCount_], path)) ++queuedCount_;
}

bool FilePlacement::IsQueued(const char* path) const {
    for (int i = 0; i < queuedCount_; ++i) {
        if (lstrcmpiA(queued_[i], path) == 0) return true;
    }
    return false;
}

bool FilePlacement::HoldsOnlyQueued(const char* folder) const {
    char pattern[PATH_SIZE];
    if (queuedCount_ == 0 || !ComposeInto(pattern, "%s\\*", folder)) return false;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern, &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    bool onlyQueued = true;
    do {
        if (lstrcmpA(found.cFileName, ".") == 0 || lstrcmpA(found.cFileName, "..") == 0) continue;
        char entry[PATH_SIZE];
        onlyQueued = ComposeInto(entry, "%s\\%s", folder, found.cFileName) && IsQueued(entry);
    } while (onlyQueued && FindNextFileA(search, &found));
    FindClose(search);
    return onlyQueued;
}
