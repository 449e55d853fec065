#include "wizard_driver.h"

#include <fstream>
#include <vector>

namespace support {

namespace {

std::wstring WideText(HWND window) {
    int length = GetWindowTextLengthW(window);
    std::wstring text(length + 1, L'\0');
    length = GetWindowTextW(window, &text[0], length + 1);
    text.resize(length);
    return text;
}

// A visible dialog owned by `owner`, or, with a process id, one of that process's that
// nothing owns.
struct DialogSearch {
    HWND owner;
    DWORD process;
    HWND found;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM param) {
    DialogSearch* search = reinterpret_cast<DialogSearch*>(param);
    WCHAR className[16] = {};
    GetClassNameW(window, className, 16);
    DWORD process = 0;
    if (search->process) GetWindowThreadProcessId(window, &process);
    if (lstrcmpW(className, L"#32770") == 0 && IsWindowVisible(window) && GetWindow(window, GW_OWNER) == search->owner &&
        process == search->process) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

std::string ToUtf8(const std::wstring& text) {
    if (text.empty()) return "";
    int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), &out[0], size, nullptr, nullptr);
    return out;
}

std::wstring FromUtf8(const std::string& text) {
    if (text.empty()) return L"";
    int size = MultiByteToWideChar(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(size, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), &out[0], size);
    return out;
}

HWND WizardDriver::WaitForAnyPage(const Started* program, DWORD timeoutMs) const {
    DialogSearch search = {nullptr, 0, nullptr};
    WaitUntil([&] {
        search.owner = Frame();
        if (search.owner) EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr || (program && program->HasEnded());
    }, timeoutMs);
    return search.found;
}

HWND WizardDriver::WaitForMessageBox(const Started& program, DWORD timeoutMs) const {
    DialogSearch search = {nullptr, program.Id(), nullptr};
    WaitUntil([&] {
        EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr || program.HasEnded();
    }, timeoutMs);
    return search.found;
}

bool WizardDriver::WaitForClosed(HWND page, DWORD timeoutMs) const {
    return WaitUntil([&] { return !IsWindow(page); }, timeoutMs);
}

HWND WizardDriver::NextPage(HWND page, const Started* program, DWORD timeoutMs) const {
    if (page && !WaitForClosed(page, timeoutMs)) return nullptr;
    return WaitForAnyPage(program, timeoutMs);
}

bool WizardDriver::WaitForCompactFrame(int width, int height, DWORD timeoutMs) const {
    return WaitUntil([&] {
        RECT r = FrameRect();
        return r.right - r.left == width && r.bottom - r.top == height;
    }, timeoutMs);
}

HWND WizardDriver::Frame() const { return FindWindowW(nullptr, L"JOV Setupwright"); }

RECT WizardDriver::FrameRect() const {
    RECT rect = {};
    GetWindowRect(Frame(), &rect);
    return rect;
}

std::string WizardDriver::Text(HWND page, int id) const { return ToUtf8(WideText(GetDlgItem(page, id))); }

std::string WizardDriver::Title(HWND page) const { return ToUtf8(WideText(page)); }

bool WizardDriver::IsVisible(HWND page, int id) const {
    HWND control = GetDlgItem(page, id);
    return control && (GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE);
}

bool WizardDriver::IsChecked(HWND page, int id) const {
    return SendMessageW(GetDlgItem(page, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void WizardDriver::Click(HWND page, int id) const {
    // Posted, as the button itself would notify its page: the page's own modal loop
    // then handles it, and this program never waits on the wizard.
    HWND button = GetDlgItem(page, id);
    PostMessageW(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

void WizardDriver::Select(HWND page, int id) const {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(GetDlgItem(page, id), BM_CLICK, 0, 0, SMTO_NORMAL, PATIENCE_MS, &result);
}

void WizardDriver::PressEsc(HWND page) const {
    HWND focus = GetWindow(page, GW_CHILD);
    PostMessageW(focus ? focus : page, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    PostMessageW(focus ? focus : page, WM_KEYUP, VK_ESCAPE, 0xC0010001);
}

void WizardDriver::CloseBox(HWND page) const { PostMessageW(page, WM_SYSCOMMAND, SC_CLOSE, 0); }

bool WizardDriver::SaveScreen(const std::string& bmpPath) const {
    int width = GetSystemMetrics(SM_CXSCREEN);
    int height = GetSystemMetrics(SM_CYSCREEN);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool saved = false;
    if (bitmap) {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
        SelectObject(memory, previous);
        DWORD stride = ((width * 3 + 3) / 4) * 4;
        DWORD imageSize = stride * height;
        BITMAPFILEHEADER file = {};
        file.bfType = 0x4D42;
        file.bfOffBits = sizeof file + sizeof info.bmiHeader;
        file.bfSize = file.bfOffBits + imageSize;
        std::ofstream out(bmpPath, std::ios::binary);
        out.write(reinterpret_cast<const char*>(&file), sizeof file);
        out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
        out.write(static_cast<const char*>(bits), imageSize);
        saved = out.good();
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return saved;
}

}  // namespace support
