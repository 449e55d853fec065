// DiscCheck.exe: a console program that checks a driver disc before it ships.
#include <windows.h>

#include "check_arguments.h"
#include "disc_check.h"
#include "setupapi_inf.h"
#include "../state/environment_probe.h"
#include "../state/profile_ini.h"
#include "../text/bounded_text.h"

namespace {

// Standard output or error, in blocks.
class HandleSink : public TextSink {
public:
    explicit HandleSink(DWORD which) : handle_(GetStdHandle(which)) {}
    ~HandleSink() { Flush(); }

    void Write(const char* text, size_t length) override {
        while (length) {
            if (used_ == sizeof buffer_) Flush();
            size_t n = sizeof buffer_ - used_ < length ? sizeof buffer_ - used_ : length;
            for (size_t i = 0; i < n; ++i) buffer_[used_ + i] = text[i];
            used_ += n;
            text += n;
            length -= n;
        }
    }
    void Flush() {
        if (used_ && handle_ && handle_ != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            WriteFile(handle_, buffer_, static_cast<DWORD>(used_), &written, nullptr);
        }
        used_ = 0;
    }

private:
    HANDLE handle_;
    char buffer_[4096];
    size_t used_ = 0;
};

bool IsFolder(const char* path) {
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsFile(const char* path) {
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Its entries can be listed (an empty drive's root lists none, and that is no failure).
bool CanList(const char* folder) {
    char pattern[MAX_PATH];
    if (!ComposeInto(pattern, "%s\\*", folder)) return false;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern, &found);
    if (search == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_FILE_NOT_FOUND;
    FindClose(search);
    return true;
}

// The last backslash of a path (a double-byte character's trail byte is never one).
char* LastBackslash(char* path) {
    char* last = nullptr;
    for (char* p = path; *p; p = CharNextA(p)) {
        if (*p == '\\') last = p;
    }
    return last;
}

// The disc's folder as Setup.exe's own would be: full, without a trailing backslash
// (a drive's root is "D:"). False when it is no folder that can be read.
bool ResolveDiscFolder(const char* given, char (&folder)[MAX_PATH]) {
    if (given) {
        char* filePart = nullptr;
        DWORD length = GetFullPathNameA(given, sizeof folder, folder, &filePart);
        if (length == 0 || length >= sizeof folder) return false;
    } else {
        DWORD length = GetModuleFileNameA(nullptr, folder, sizeof folder);
        if (length == 0 || length >= sizeof folder) return false;
        char* last = LastBackslash(folder);
        if (last) *last = '\0';
    }
    char* last = LastBackslash(folder);
    if (last && last[1] == '\0' && last > folder) *last = '\0';
    // A bare drive ("D:") names the drive's current folder: look at its root.
    char root[MAX_PATH];
    if (!ComposeInto(root, IsDriveRoot(folder) ? "%s\\" : "%s", folder)) return false;
    return IsFolder(root) && CanList(folder);
}

// Where the disc's path lengths are judged, as Setup.exe's own folder would be there:
// no trailing backslash, a drive's root as "X:".
bool JudgedFolder(const CheckArguments& args, const char* discFolder, char (&judged)[MAX_PATH]) {
    const char* at = args.at ? args.at : args.folder ? "X:" : discFolder;
    if (!CopyText(judged, at)) return false;
    char* last = LastBackslash(judged);
    if (last && last[1] == '\0' && last > judged) *last = '\0';
    return true;
}

// The disc's setup.ini, autorun.inf and files, through the profile functions and the
// file system.
class DiscFolder : public DiscContents {
public:
    explicit DiscFolder(const char* folder) {
        ComposeInto(iniPath_, "%s\\setup.ini", folder);   // empty when it does not fit
        ComposeInto(autorunPath_, "%s\\autorun.inf", folder);
    }

    bool HasSetupIni() const override { return iniPath_[0] && IsFile(iniPath_); }

    bool ListSections(char* dst, size_t size) const override {
        DWORD length = GetPrivateProfileSectionNamesA(dst, static_cast<DWORD>(size), iniPath_);
        return Listed(dst, size, length);
    }

    bool ListSectionLines(const char* section, char* dst, size_t size) const override {
        DWORD length = GetPrivateProfileSectionA(section, dst, static_cast<DWORD>(size), iniPath_);
        return Listed(dst, size, length);
    }

    bool FileExists(const char* path) const override { return IsFile(path); }

    bool HasAutorunInf() const override { return autorunPath_[0] && IsFile(autorunPath_); }

    // The profile functions return size - 1 for a value that did not fit.
    bool ReadAutorun(const char* key, char* dst, size_t size) const override {
        if (size < 2) return false;
        DWORD length = GetPrivateProfileStringA("autorun", key, "", dst, static_cast<DWORD>(size), autorunPath_);
        return length + 1 < size;
    }

private:
    // The profile functions return size - 2 for a list that did not fit.
    static bool Listed(char* dst, size_t size, DWORD length) {
        if (size < 2) return false;
        if (length == 0) dst[0] = dst[1] = '\0';
        return length + 2 != size;
    }
    char iniPath_[MAX_PATH];
    char autorunPath_[MAX_PATH];
};

}  // namespace

int main(int argc, char** argv) {
    HandleSink out(STD_OUTPUT_HANDLE);
    HandleSink errorSink(STD_ERROR_HANDLE);
    ReportWriter errors(errorSink);
    CheckArguments args = ParseCheckArguments(argc, argv);
    if (args.help) {
        ReportWriter(out).Put(CHECK_USAGE);
        return 0;
    }
    if (args.error) {
        errors.Put("DiscCheck: ").Put(args.error).Put(": ").Value(args.culprit).EndLine();
        errors.Put(CHECK_USAGE);
        return EXIT_CANNOT_CHECK;
    }

    char folder[MAX_PATH];
    if (!ResolveDiscFolder(args.folder, folder)) {
        errors.Put("DiscCheck: cannot read the folder ");
        if (args.folder) {
            errors.Value(args.folder).EndLine();
        } else {
            errors.Put("DiscCheck is in").EndLine();
        }
        return EXIT_CANNOT_CHECK;
    }
    // Path lengths count where the disc will be: a drive's root, unless told otherwise;
    // DiscCheck started from the disc itself is there already.
    char judged[MAX_PATH];
    if (!JudgedFolder(args, folder, judged)) {
        errors.Put("DiscCheck: the folder after /at: is too long: ").Value(args.at).EndLine();
        return EXIT_CANNOT_CHECK;
    }
    ProfileIni ini(folder);
    DiscFolder disc(folder);
    SetupApiInf infs;
    CheckOptions options = {folder, judged, args.family, args.quiet, IsAnsiLeadByte};
    CheckCounts counts = {0, 0, 0};
    if (!CheckDisc(ini, disc, infs, options, out, counts)) {
        errors.Line("DiscCheck: out of memory");
        return EXIT_CANNOT_CHECK;
    }
    return CheckExitCode(counts);
}
