#include "instance_match.h"

namespace {

bool StartsWith(const char* text, const char* prefix, size_t* length) {
    size_t n = 0;
    while (prefix[n]) {
        if (text[n] != prefix[n]) return false;
        ++n;
    }
    *length = n;
    return true;
}

bool IsBoundaryAfter(char c) { return c == '\0' || c == '\\' || c == '&'; }

}  // namespace

bool InstanceIdMatches(const char* instanceId, const char* pattern) {
    if (!instanceId || !pattern || !*pattern) return false;
    for (const char* p = instanceId; *p; ++p) {
        if (p != instanceId && p[-1] != '\\') continue;
        size_t length;
        if (StartsWith(p, pattern, &length) && IsBoundaryAfter(p[length])) return true;
    }
    return false;
}

const char* FindMatchingInstanceId(const char* buffer, size_t bufferSize, size_t usedSize,
                                   const char* pattern) {
    size_t end = usedSize < bufferSize ? usedSize : bufferSize;
    size_t pos = 0;
    while (pos < end && buffer[pos]) {
        size_t length = 0;
        while (pos + length < bufferSize && buffer[pos + length]) ++length;
        if (pos + length == bufferSize) return nullptr;   // no terminator inside the buffer
        if (InstanceIdMatches(buffer + pos, pattern)) return buffer + pos;
        pos += length + 1;
    }
    return nullptr;
}
