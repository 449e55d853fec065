#include "setupapi_inf.h"

void SetupApiInf::Close() {
    if (inf_ != INVALID_HANDLE_VALUE) SetupCloseInfFile(inf_);
    inf_ = INVALID_HANDLE_VALUE;
}

bool SetupApiInf::Open(const char* path, unsigned& errorLine) {
    Close();
    UINT line = 0;
    inf_ = SetupOpenInfFileA(path, nullptr, INF_STYLE_WIN4 | INF_STYLE_OLDNT, &line);
    errorLine = inf_ == INVALID_HANDLE_VALUE ? line : 0;
    return inf_ != INVALID_HANDLE_VALUE;
}

int SetupApiInf::LineCount(const char* section) const {
    if (inf_ == INVALID_HANDLE_VALUE) return -1;
    LONG count = SetupGetLineCountA(inf_, section);
    return count < 0 ? -1 : static_cast<int>(count);
}

bool SetupApiInf::Line(const char* section, int line, INFCONTEXT& context) const {
    return inf_ != INVALID_HANDLE_VALUE && line >= 0 &&
           SetupGetLineByIndexA(inf_, section, static_cast<DWORD>(line), &context);
}

int SetupApiInf::FieldCount(const char* section, int line) const {
    INFCONTEXT context;
    return Line(section, line, context) ? static_cast<int>(SetupGetFieldCount(&context)) : 0;
}

InfField SetupApiInf::ReadField(const char* section, int line, int field, char* dst, size_t size) const {
    INFCONTEXT context;
    if (size == 0 || field < 0 || !Line(section, line, context)) return InfField::MISSING;
    DWORD required = 0;
    if (SetupGetStringFieldA(&context, static_cast<DWORD>(field), dst, static_cast<DWORD>(size), &required)) {
        return InfField::READ;
    }
    dst[0] = '\0';
    return GetLastError() == ERROR_INSUFFICIENT_BUFFER ? InfField::TOO_LONG : InfField::MISSING;
}
