// Drives Setup.exe's wizard from outside, as a user would: finds the pages, reads
// their controls, clicks buttons, presses Esc, closes them.
#pragma once
#include <windows.h>

#include <string>

#include "process.h"

namespace support {

class WizardDriver {
public:
    // Waits for whichever page the wizard shows next: a visible dialog owned by the
    // frame. Null after timeoutMs, or as soon as `program` (when given) has ended.
    HWND WaitForAnyPage(const Started* program = nullptr, DWORD timeoutMs = PATIENCE_MS) const;
    // Waits until this page's window is gone; false after timeoutMs.
    bool WaitForClosed(HWND page, DWORD timeoutMs = PATIENCE_MS) const;
    // The page that comes once `page` has closed (the first page for null).
    HWND NextPage(HWND page, const Started* program = nullptr, DWORD timeoutMs = PATIENCE_MS) const;

    // Waits for a message box of `program`'s, a visible dialog no frame owns; null after
    // timeoutMs, or as soon as the program has ended. Its text is Text(box, MESSAGE_BOX_TEXT).
    HWND WaitForMessageBox(const Started& program, DWORD timeoutMs = PATIENCE_MS) const;
    static const int MESSAGE_BOX_TEXT = 0xFFFF;

    // The wizard's frame window ("JOV Setupwright").
    HWND Frame() const;
    RECT FrameRect() const;
    // Waits until the frame is the compact progress window, width x height outside;
    // false after timeoutMs.
    bool WaitForCompactFrame(int width = 400, int height = 75, DWORD timeoutMs = PATIENCE_MS) const;

    // Control texts are UTF-8, read through the wide API whatever the code page.
    std::string Text(HWND page, int id) const;
    std::string Title(HWND page) const;
    bool IsVisible(HWND page, int id) const;
    bool IsChecked(HWND page, int id) const;

    void Click(HWND page, int id) const;        // as a mouse click on the button
    // Clicks the check box or radio button itself, which changes its state as a
    // user's click does; returns once it has.
    void Select(HWND page, int id) const;
    void PressEsc(HWND page) const;
    void CloseBox(HWND page) const;             // the caption's close button

    // Saves what the screen shows as a 24-bit BMP file.
    bool SaveScreen(const std::string& bmpPath) const;
};

std::string ToUtf8(const std::wstring& text);
std::wstring FromUtf8(const std::string& text);

}  // namespace support
