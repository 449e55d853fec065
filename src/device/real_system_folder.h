// A 32-bit program on 64-bit Windows sees SysWOW64 as system32; the driver lives in
// the real one.
#pragma once
#include <windows.h>

// While it lives, this thread sees the real system32 (WOW64 file-system redirection
// off). Elsewhere, where the switch does not exist, it changes nothing. Keep it around
// single file operations only: the loader is redirected too.
class RealSystemFolderView {
public:
    RealSystemFolderView();
    ~RealSystemFolderView();
    RealSystemFolderView(const RealSystemFolderView&) = delete;
    RealSystemFolderView& operator=(const RealSystemFolderView&) = delete;

private:
    PVOID previous_ = nullptr;
    bool off_ = false;
};
