// A disc's INF files read by the system's own parser (SetupAPI, present from Windows 98).
#pragma once
#include <windows.h>
#include <setupapi.h>

#include "inf_source.h"

class SetupApiInf final : public InfSource {
public:
    SetupApiInf() = default;
    ~SetupApiInf() { Close(); }
    SetupApiInf(const SetupApiInf&) = delete;
    SetupApiInf& operator=(const SetupApiInf&) = delete;

    bool Open(const char* path, unsigned& errorLine) override;
    int LineCount(const char* section) const override;
    int FieldCount(const char* section, int line) const override;
    InfField ReadField(const char* section, int line, int field, char* dst, size_t size) const override;

private:
    void Close();
    bool Line(const char* section, int line, INFCONTEXT& context) const;
    HINF inf_ = INVALID_HANDLE_VALUE;
};
