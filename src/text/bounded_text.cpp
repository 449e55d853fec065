#include "bounded_text.h"

namespace {

struct Writer {
    char* dst;
    size_t size;
    size_t used;
    bool fits;

    void Put(char c) {
        if (used + 1 < size) {
            dst[used++] = c;
        } else {
            fits = false;
        }
    }
    void PutText(const char* text) {
        if (!text) text = "";
        while (*text && fits) Put(*text++);
    }
    // 32-bit arithmetic only: 64-bit division would pull a runtime helper into the image.
    void PutUnsigned(unsigned value) {
        char digits[12];
        int count = 0;
        do {
            digits[count++] = static_cast<char>('0' + value % 10);
            value /= 10;
        } while (value);
        while (count) Put(digits[--count]);
    }
};

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool ComposeV(char* dst, size_t size, const char* format, va_list args) {
    if (!dst || size == 0) return false;
    Writer out{dst, size, 0, true};
    for (const char* p = format; *p && out.fits; ++p) {
        if (*p != '%') {
            out.Put(*p);
            continue;
        }
        switch (*++p) {
        case 's': out.PutText(va_arg(args, const char*)); break;
        case 'c': out.Put(static_cast<char>(va_arg(args, int))); break;
        case 'u': out.PutUnsigned(va_arg(args, unsigned int)); break;
        case 'd': {
            int value = va_arg(args, int);
            unsigned magnitude = static_cast<unsigned>(value);
            if (value < 0) {
                out.Put('-');
                magnitude = 0u - magnitude;
            }
            out.PutUnsigned(magnitude);
            break;
        }
        case '%': out.Put('%'); break;
        default: out.fits = false; break;   // unknown conversion: refuse rather than guess
        }
        if (!*p) break;
    }
    dst[out.fits ? out.used : 0] = '\0';
    return out.fits;
}

bool Compose(char* dst, size_t size, const char* format, ...) {
    va_list args;
    va_start(args, format);
    bool fits = ComposeV(dst, size, format, args);
    va_end(args);
    return fits;
}

bool CopyText(char* dst, size_t size, const char* src) {
    return Compose(dst, size, "%s", src);
}

size_t TextLength(const char* text) {
    size_t n = 0;
    while (text[n]) ++n;
    return n;
}

bool TextEquals(const char* a, const char* b) {
    while (*a && *a == *b) ++a, ++b;
    return *a == *b;
}

bool TextEqualsIgnoreCase(const char* a, const char* b) {
    while (*a && AsciiLower(*a) == AsciiLower(*b)) ++a, ++b;
    return AsciiLower(*a) == AsciiLower(*b);
}

const char* AfterPrefixIgnoreCase(const char* text, const char* prefix) {
    for (; *prefix; ++text, ++prefix) {
        if (AsciiLower(*text) != AsciiLower(*prefix)) return nullptr;
    }
    return text;
}

void UpperCaseAscii(char* text) {
    for (; *text; ++text) {
        if (*text >= 'a' && *text <= 'z') *text = static_cast<char>(*text - 'a' + 'A');
    }
}

const char* FindText(const char* haystack, const char* needle) {
    if (!*needle) return haystack;
    for (; *haystack; ++haystack) {
        const char* h = haystack;
        const char* n = needle;
        while (*n && *h == *n) ++h, ++n;
        if (!*n) return haystack;
    }
    return nullptr;
}
