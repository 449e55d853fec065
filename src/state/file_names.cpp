#include "file_names.h"

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

bool NamesNoFileOfItsOwn(const char* part, const char* end) {
    for (const char* p = part; p < end; ++p) {
        if (*p != '.' && *p != ' ') return false;
    }
    return true;
}

// Each part of path names a file or folder of its own; separators only where allowed.
bool PartsAreNames(const char* path, LeadBytePredicate isLeadByte, bool separatorsAllowed) {
    if (!path) return false;
    const char* part = path;
    for (const char* p = path;; p += CharacterSize(p, isLeadByte)) {
        if (*p == '\0' || IsSeparator(*p)) {
            if (NamesNoFileOfItsOwn(part, p)) return false;
            if (*p == '\0') return true;
            if (!separatorsAllowed) return false;
            part = p + 1;
        } else if (*p == ':' || IsUnfinishedCharacter(p, isLeadByte)) {
            return false;
        }
    }
}

}  // namespace

bool IsBareFileName(const char* name, LeadBytePredicate isLeadByte) {
    return PartsAreNames(name, isLeadByte, false);
}

bool IsRelativeFolderPath(const char* path, LeadBytePredicate isLeadByte) {
    return PartsAreNames(path, isLeadByte, true);
}
