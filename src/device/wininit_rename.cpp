#include "wininit_rename.h"
#include "../text/bounded_text.h"

namespace {

const char SECTION[] = "[rename]";
const char LINE_END[] = "\r\n";

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The line [begin, end) is a section header: "[" after blanks.
bool IsHeader(const char* begin, const char* end) {
    while (begin < end && IsBlank(*begin)) ++begin;
    return begin < end && *begin == '[';
}

// The line [begin, end) is "[rename]", letter case and surrounding blanks aside.
bool IsRenameHeader(const char* begin, const char* end) {
    while (begin < end && IsBlank(*begin)) ++begin;
    while (end > begin && (IsBlank(end[-1]) || end[-1] == '\r')) --end;
    const char* s = SECTION;
    for (; begin < end && *s; ++begin, ++s) {
        if (Lower(*begin) != *s) return false;
    }
    return begin == end && !*s;
}

const char* LineEnd(const char* p, const char* end) {
    while (p < end && *p != '\n') ++p;
    return p;
}

struct Output {
    char* out;
    size_t size;
    size_t used;
    bool fits;
    void Put(const char* p, size_t n) {
        if (!fits || n > size - used) {
            fits = false;
            return;
        }
        for (size_t i = 0; i < n; ++i) out[used++] = p[i];
    }
    void Put(const char* text) { Put(text, TextLength(text)); }
};

}  // namespace

size_t RenameRoom(size_t length, size_t lineLength) {
    return length + 2 + (sizeof SECTION - 1) + 2 + lineLength + 2;
}

bool AddRenameLine(const char* text, size_t length, const char* line, char* out, size_t size, size_t* used) {
    const char* const end = text + length;
    // Where the line goes: after the last line of [rename], before the next header.
    const char* at = nullptr;
    for (const char* p = text; p < end && !at;) {
        const char* eol = LineEnd(p, end);
        const char* next = eol < end ? eol + 1 : end;
        if (IsRenameHeader(p, eol)) {
            at = next;
            while (at < end) {
                const char* lineEnd = LineEnd(at, end);
                if (IsHeader(at, lineEnd)) break;
                at = lineEnd < end ? lineEnd + 1 : end;
            }
        }
        p = next;
    }

    Output o{out, size, 0, true};
    const char* const split = at ? at : end;
    o.Put(text, static_cast<size_t>(split - text));
    // The text before it may end without a line end.
    if (split > text && split[-1] != '\n') o.Put(LINE_END);
    if (!at) {
        o.Put(SECTION);
        o.Put(LINE_END);
    }
    o.Put(line, TextLength(line));
    o.Put(LINE_END);
    o.Put(split, static_cast<size_t>(end - split));
    if (used) *used = o.fits ? o.used : 0;
    return o.fits;
}
