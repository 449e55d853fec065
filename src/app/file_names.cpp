#include "file_names.h"
#include "../text/bounded_text.h"

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

bool IsDotPart(const char* part, size_t length) {
    return (length == 1 && part[0] == '.') || (length == 2 && part[0] == '.' && part[1] == '.');
}

}  // namespace

bool IsBareFileName(const char* name) {
    if (!name || !*name) return false;
    for (const char* p = name; *p; ++p) {
        if (IsSeparator(*p) || *p == ':') return false;
    }
    return !IsDotPart(name, TextLength(name));
}

bool IsRelativeFolderPath(const char* path) {
    if (!path || !*path || IsSeparator(path[0])) return false;
    const char* part = path;
    for (const char* p = path;; ++p) {
        if (*p == ':') return false;
        if (*p == '\0' || IsSeparator(*p)) {
            size_t length = static_cast<size_t>(p - part);
            if (length == 0 || IsDotPart(part, length)) return false;
            if (*p == '\0') return true;
            part = p + 1;
        }
    }
}
