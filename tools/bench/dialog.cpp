// Shows the wizard's welcome page template, with its bitmap and icon, and nothing else.
#include <windows.h>

#include "resource_ids.h"

namespace {

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_COMMAND && (LOWORD(wParam) == IDC_WELCOME_NEXT || LOWORD(wParam) == IDC_WELCOME_CANCEL ||
                                  LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return message == WM_INITDIALOG;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return static_cast<int>(DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_WELCOME), nullptr, DialogProc, 0));
}
