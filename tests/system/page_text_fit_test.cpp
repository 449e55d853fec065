// Every text of every page fits its control in the system's language: the string
// tables of Setup.exe measured in the page's own font, as the wizard shows them.
#include <gtest/gtest.h>

#include <string>

#include "process.h"
#include "wizard_driver.h"

namespace {

struct PageTexts {
    int page;
    bool title;
    std::vector<int> controls;
};

const PageTexts PAGES[] = {
    {1031, true, {1018, 1021, 1020}},       {1032, true, {1000, 1001, 1002, 1003}},
    {1033, true, {1004, 1019, 1005}},       {1034, true, {1008, 1007, 1010, 1014, 1015}},
    {1035, true, {1009, 1010}},             {1036, false, {1011, 1012, 1013}},
    {1037, false, {1023, 1024, 1022}},
};

INT_PTR CALLBACK NoDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// The string of the system language's table; the template's text when there is none.
std::wstring LocalizedText(HMODULE setup, LANGID language, int id, HWND fallback) {
    HRSRC block = FindResourceExW(setup, reinterpret_cast<LPCWSTR>(RT_STRING),
                                  MAKEINTRESOURCEW(id / 16 + 1), language);
    if (block) {
        const WCHAR* entry = static_cast<const WCHAR*>(LockResource(LoadResource(setup, block)));
        for (int i = 0; i < id % 16; ++i) entry += 1 + *entry;
        if (*entry) return std::wstring(entry + 1, *entry);
    }
    int length = GetWindowTextLengthW(fallback);
    std::wstring text(length + 1, L'\0');
    text.resize(GetWindowTextW(fallback, &text[0], length + 1));
    return text;
}

// What the text needs in the control's font: wrapped in the control's width for
// static texts, on one line for buttons.
::testing::AssertionResult Fits(HWND control, const std::wstring& text) {
    RECT client;
    GetClientRect(control, &client);
    wchar_t className[32] = {};
    GetClassNameW(control, className, 32);
    LONG style = GetWindowLongW(control, GWL_STYLE);
    bool isStatic = lstrcmpiW(className, L"Static") == 0;
    LONG type = style & BS_TYPEMASK;
    bool hasBox = !isStatic && (type == BS_AUTOCHECKBOX || type == BS_CHECKBOX || type == BS_AUTORADIOBUTTON ||
                                type == BS_RADIOBUTTON);
    // Room the control itself takes: the box of a check box or radio button, the
    // edges of a push button.
    int reserved = isStatic ? 0 : hasBox ? GetSystemMetrics(SM_CXMENUCHECK) + 4 : 8;
    HDC dc = GetDC(control);
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT need = {0, 0, client.right - reserved, 0};
    UINT format = DT_CALCRECT | (isStatic ? DT_WORDBREAK : DT_SINGLELINE);
    DrawTextW(dc, text.c_str(), -1, &need, format);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    if (need.right <= client.right - reserved && need.bottom <= client.bottom) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "needs " << need.right << " x " << need.bottom << ", has "
                                         << client.right - reserved << " x " << client.bottom << ": \""
                                         << support::ToUtf8(text) << "\"";
}

}  // namespace

TEST(PageTexts, FitTheirControlsInTheSystemLanguage) {
    HMODULE setup = LoadLibraryExA((support::BinDir() + "\\Setup.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(nullptr, setup);
    LANGID language = GetSystemDefaultLangID();
    for (const PageTexts& page : PAGES) {
        HWND dialog = CreateDialogParamA(setup, MAKEINTRESOURCEA(page.page), nullptr, NoDialogProc, 0);
        ASSERT_NE(nullptr, dialog) << page.page;
        for (int id : page.controls) {
            HWND control = GetDlgItem(dialog, id);
            EXPECT_TRUE(Fits(control, LocalizedText(setup, language, id, control)))
                << "language " << language << ", page " << page.page << ", control " << id;
        }
        DestroyWindow(dialog);
    }
    FreeLibrary(setup);
}
