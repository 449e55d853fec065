// Bounded text composition. A result that does not fit is never cut and never
// overruns: the call reports false and leaves the destination empty.
#pragma once
#include <stdarg.h>
#include <stddef.h>

// printf-style, with %s, %d, %u, %c and %% only.
bool ComposeV(char* dst, size_t size, const char* format, va_list args);
bool Compose(char* dst, size_t size, const char* format, ...);

template <size_t N, typename... Args>
inline bool ComposeInto(char (&dst)[N], const char* format, Args... args) {
    return Compose(dst, N, format, args...);
}

// Copies src; false (dst empty) when it does not fit.
bool CopyText(char* dst, size_t size, const char* src);
template <size_t N>
inline bool CopyText(char (&dst)[N], const char* src) { return CopyText(dst, N, src); }

size_t TextLength(const char* text);
bool TextEquals(const char* a, const char* b);
bool TextEqualsIgnoreCase(const char* a, const char* b);   // ASCII letters only
// The rest of `text` after `prefix` (ASCII letter case aside), or null when it does not
// start with it.
const char* AfterPrefixIgnoreCase(const char* text, const char* prefix);
void UpperCaseAscii(char* text);
const char* FindText(const char* haystack, const char* needle);  // null when absent
