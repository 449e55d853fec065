#include "progress_bar.h"
#include "late_bound.h"

#include <commctrl.h>

namespace framework {

namespace {

// The common controls are loaded when the first progress bar is made, not at every
// start of the program; the library stays for the control's class.
void LoadCommonControls() {
    static HMODULE library = nullptr;
    if (library) return;
    library = LoadLibraryA("comctl32.dll");
    typedef void(WINAPI * InitProc)();
    InitProc init = LateBound<InitProc>(library, "InitCommonControls");
    if (init) init();
}

}  // namespace

bool ProgressBar::Create(DWORD style, const RECT& rect, HWND parent, UINT id) {
    LoadCommonControls();
    hwnd_ = CreateWindowExA(0, PROGRESS_CLASSA, "", style, rect.left, rect.top, rect.right - rect.left,
                            rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                            GetModuleHandleA(nullptr), nullptr);
    return hwnd_ != nullptr;
}

void ProgressBar::SetRange(WORD low, WORD high) { SendMessageA(hwnd_, PBM_SETRANGE, 0, MAKELPARAM(low, high)); }

void ProgressBar::StepIt() { SendMessageA(hwnd_, PBM_STEPIT, 0, 0); }

int ProgressBar::Position() const { return static_cast<int>(SendMessageA(hwnd_, PBM_GETPOS, 0, 0)); }

void ProgressBar::Show(bool visible) { ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE); }

}  // namespace framework
