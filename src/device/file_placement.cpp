#include <windows.h>

#include "file_placement.h"

namespace {

void ClearReadOnly(const char* path) {
    DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_READONLY)) return;
    attributes &= ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY);
    SetFileAttributesA(path, attributes ? attributes : FILE_ATTRIBUTE_NORMAL);
}

}  // namespace

bool CopyFileOver(const char* source, const char* destination) {
    SetFileAttributesA(destination, FILE_ATTRIBUTE_NORMAL);
    if (!CopyFileA(source, destination, FALSE)) return false;
    ClearReadOnly(destination);
    return true;
}

bool DeleteFileEvenReadOnly(const char* path) {
    ClearReadOnly(path);
    return DeleteFileA(path) != FALSE;
}
