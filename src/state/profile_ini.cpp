#include <windows.h>

#include "profile_ini.h"
#include "../text/bounded_text.h"

ProfileIni::ProfileIni(const char* sourceDir) {
    path_[0] = '\0';
    if (sourceDir[0]) ComposeInto(path_, "%s\\setup.ini", sourceDir);
}

void ProfileIni::ReadText(const char* section, const char* key, const char* fallback, char* dst,
                          size_t size) const {
    if (!path_[0]) {
        CopyText(dst, size, fallback);
        return;
    }
    GetPrivateProfileStringA(section, key, fallback, dst, static_cast<DWORD>(size), path_);
}

int32_t ProfileIni::ReadInt(const char* section, const char* key, int32_t fallback) const {
    if (!path_[0]) return fallback;
    return static_cast<int32_t>(GetPrivateProfileIntA(section, key, fallback, path_));
}
