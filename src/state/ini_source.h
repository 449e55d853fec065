// Read access to setup.ini, so that what is read can be decided without the file system.
#pragma once
#include <stddef.h>
#include <stdint.h>

class IniSource {
public:
    // Like GetPrivateProfileStringA: the default when the key is missing, a value longer
    // than size - 1 bytes cut to that.
    virtual void ReadText(const char* section, const char* key, const char* fallback,
                          char* dst, size_t size) const = 0;
    // Like GetPrivateProfileIntA: the default when the key is missing.
    virtual int32_t ReadInt(const char* section, const char* key, int32_t fallback) const = 0;

protected:
    ~IniSource() = default;
};
