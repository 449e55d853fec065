// A progress bar control (msctls_progress32).
#pragma once
#include <windows.h>

namespace framework {

class ProgressBar {
public:
    bool Create(DWORD style, const RECT& rect, HWND parent, UINT id);
    void SetRange(WORD low, WORD high);
    void StepIt();
    int Position() const;
    void Show(bool visible);
    HWND Handle() const { return hwnd_; }

private:
    HWND hwnd_ = nullptr;
};

}  // namespace framework
