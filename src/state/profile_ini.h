// setup.ini read through the system's profile functions.
#pragma once
#include "ini_source.h"

class ProfileIni : public IniSource {
public:
    // The file sourceDir\setup.ini. An unknown (empty) folder, or one too long for the
    // path, reads as no file.
    explicit ProfileIni(const char* sourceDir);

    void ReadText(const char* section, const char* key, const char* fallback, char* dst,
                  size_t size) const override;
    int32_t ReadInt(const char* section, const char* key, int32_t fallback) const override;

private:
    char path_[260];
};
