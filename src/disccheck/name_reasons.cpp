#include "name_reasons.h"
#include "../text/bounded_text.h"

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

bool IsDotName(const char* part, const char* end) {
    size_t length = static_cast<size_t>(end - part);
    return (length == 1 && part[0] == '.') || (length == 2 && part[0] == '.' && part[1] == '.');
}

// Empty, or dots and blanks only: Windows drops trailing dots and blanks.
bool IsDotsAndBlanks(const char* part, const char* end) {
    for (const char* p = part; p < end; ++p) {
        if (*p != '.' && *p != ' ') return false;
    }
    return true;
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Edit distance, letter case ignored; anything beyond `limit` counts as limit + 1.
int Distance(const char* a, const char* b, int limit) {
    const size_t MAX = 64;
    size_t la = TextLength(a), lb = TextLength(b);
    if (la >= MAX || lb >= MAX) return limit + 1;
    int previous[MAX], current[MAX];
    for (size_t j = 0; j <= lb; ++j) previous[j] = static_cast<int>(j);
    for (size_t i = 1; i <= la; ++i) {
        current[0] = static_cast<int>(i);
        for (size_t j = 1; j <= lb; ++j) {
            int substitute = previous[j - 1] + (Lower(a[i - 1]) == Lower(b[j - 1]) ? 0 : 1);
            int remove = previous[j] + 1;
            int insert = current[j - 1] + 1;
            int best = substitute < remove ? substitute : remove;
            current[j] = best < insert ? best : insert;
        }
        for (size_t j = 0; j <= lb; ++j) previous[j] = current[j];
    }
    return previous[lb] > limit ? limit + 1 : previous[lb];
}

}  // namespace

// Why one part of a name, from part to end, names no file of its own.
const char* WhyNotAName(const char* part, const char* end) {
    if (part == end) return "it holds an empty folder name (\\\\)";
    if (IsDotName(part, end)) return "it holds a . or .. folder";
    return "it holds a part of only dots and blanks, which Windows drops";
}

const char* WhyNotBareFileName(const char* name, LeadBytePredicate isLeadByte) {
    if (!name || !*name) return "it is empty";
    for (const char* p = name; *p; p += CharacterSize(p, isLeadByte)) {
        if (IsSeparator(*p)) return "it holds a folder (\\ or /)";
        if (*p == ':') return "it holds a drive or a stream (:)";
        if (IsUnfinishedCharacter(p, isLeadByte)) return "it ends in half a double-byte character";
    }
    if (IsDotName(name, name + TextLength(name))) return "it names a folder (. or ..)";
    if (IsDotsAndBlanks(name, name + TextLength(name))) return "it is only dots and blanks, which Windows drops";
    return "it is not a bare file name";
}

const char* WhyNotRelativeFolderPath(const char* path, LeadBytePredicate isLeadByte) {
    if (!path || !*path) return "it is empty";
    if (IsSeparator(path[0])) return "it begins with \\ or /, a path from the drive's root";
    const char* part = path;
    for (const char* p = path;; p += CharacterSize(p, isLeadByte)) {
        if (*p == ':') return "it holds a drive (:)";
        if (IsUnfinishedCharacter(p, isLeadByte)) return "it ends in half a double-byte character";
        if (*p == '\0' || IsSeparator(*p)) {
            if (IsDotsAndBlanks(part, p)) return WhyNotAName(part, p);
            if (*p == '\0') break;
            part = p + 1;
        }
    }
    return "it is not a folder path below its base";
}

const char* ClosestName(const char* name, const char* const* known, int count) {
    const int LIMIT = 2;
    const char* best = nullptr;
    int bestDistance = LIMIT + 1;
    for (int i = 0; i < count; ++i) {
        int d = Distance(name, known[i], LIMIT);
        if (d < bestDistance) {
            best = known[i];
            bestDistance = d;
        }
    }
    return best;
}
