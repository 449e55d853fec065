// A modal dialog over the application's main window, with data exchange in both
// directions and command handlers by control id.
#pragma once
#include <windows.h>

namespace framework {

class Dialog {
public:
    explicit Dialog(UINT templateId) : templateId_(templateId) {}
    virtual ~Dialog() = default;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Shows the dialog and returns IDOK, IDCANCEL, or -1 when it could not be shown
    // (GetLastError then tells why).
    INT_PTR DoModal();

    HWND Handle() const { return hwnd_; }
    UINT TemplateId() const { return templateId_; }

protected:
    // Moves data between the controls and the program: saving when the dialog is
    // confirmed, loading when it opens. False stops a confirmation.
    virtual bool DoDataExchange(bool saving);
    virtual bool OnInitDialog();
    // Exchange in the saving direction, then end with IDOK.
    virtual void OnOK();
    // End with IDCANCEL: the Cancel button, Esc and the close box.
    virtual void OnCancel();
    // Commands of other controls; true when handled.
    virtual bool OnCommand(WORD id, WORD code);

    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }

private:
    static INT_PTR CALLBACK Thunk(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam);
    void CenterOverOwner();

    UINT templateId_;
    HWND hwnd_ = nullptr;
};

}  // namespace framework
