#include "registration_request.h"
#include "../text/bounded_text.h"

ComRequest FindComRequest(const char* commandLine) {
    if (!commandLine) return ComRequest::None;
    for (const char* p = commandLine; *p; ++p) {
        if (*p != '-' && *p != '/') continue;
        if (TextEqualsIgnoreCase(p + 1, "UnregServer")) return ComRequest::Unregister;
        if (TextEqualsIgnoreCase(p + 1, "RegServer")) return ComRequest::Register;
    }
    return ComRequest::None;
}

bool TypeLibraryPathBeside(const char* modulePath, LeadBytePredicate isLeadByte, char* dst,
                           size_t size) {
    size_t length = TextLength(modulePath);
    size_t extension = length;
    for (size_t i = 0, step = 0; i < length; i += step) {
        step = CharacterSize(modulePath + i, isLeadByte);
        if (step > 1) continue;
        char c = modulePath[i];
        if (c == '.') {
            extension = i;
        } else if (c == '\\' || c == '/' || c == ':') {
            extension = length;
        }
    }
    if (!dst || size == 0) return false;
    if (extension >= size) {
        dst[0] = '\0';
        return false;
    }
    for (size_t i = 0; i < extension; ++i) dst[i] = modulePath[i];
    if (!Compose(dst + extension, size - extension, ".tlb")) {
        dst[0] = '\0';
        return false;
    }
    return true;
}
