#include "language_strings.h"

bool LoadLanguageString(HINSTANCE module, UINT id, LANGID languageId, char* dst, int size) {
    if (size <= 0) return false;
    dst[0] = '\0';
    // Strings are stored in blocks of sixteen, each a length-prefixed UTF-16 text.
    HRSRC block = FindResourceExA(module, RT_STRING, MAKEINTRESOURCEA(id / 16 + 1), languageId);
    if (!block) return false;
    HGLOBAL loaded = LoadResource(module, block);
    const WCHAR* entry = loaded ? static_cast<const WCHAR*>(LockResource(loaded)) : nullptr;
    if (!entry) return false;
    const WCHAR* end = entry + SizeofResource(module, block) / sizeof(WCHAR);
    for (UINT i = 0; i < id % 16; ++i) {
        if (entry >= end) return false;
        entry += 1 + *entry;
    }
    if (entry >= end || *entry == 0 || entry + 1 + *entry > end) return false;
    int length = *entry;
    int written = WideCharToMultiByte(CP_ACP, 0, entry + 1, length, dst, size - 1, nullptr, nullptr);
    if (written <= 0) {
        dst[0] = '\0';
        return false;
    }
    dst[written] = '\0';
    return true;
}
