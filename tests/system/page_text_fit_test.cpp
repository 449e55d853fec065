// Every text of every page fits its control in the system's language: the string
// tables of Setup.exe measured in the page's own font, as the wizard shows them.
#include <gtest/gtest.h>

#include <string>

#include "res/resource_ids.h"
#include "names.h"
#include "process.h"
#include "wizard_driver.h"

namespace {

struct PageTexts {
    int page;
    bool title;
    std::vector<int> controls;
};

const PageTexts PAGES[] = {
    {IDD_EXIT_SETUP, true, {IDC_EXIT_TEXT, IDC_EXIT_CONFIRM, IDC_EXIT_BACK}},
    {IDD_WELCOME, true, {IDC_WELCOME_TEXT, IDC_WELCOME_HINT, IDC_WELCOME_NEXT, IDC_WELCOME_CANCEL}},
    {IDD_PNP_DISK, true, {IDC_PNP_TEXT, IDC_PNP_ENABLE, IDC_PNP_NEXT}},
    {IDD_SETUP_COMPLETE, true, {IDC_REPLUG_TEXT, IDC_RESTART_TEXT, IDC_FINISH, IDC_RESTART_NOW, IDC_RESTART_LATER}},
    {IDD_UNINSTALL_COMPLETE, true, {IDC_REMOVED_TEXT, IDC_FINISH}},
    {IDD_NO_DEVICE, false, {IDC_NO_DEVICE_TEXT, IDC_NO_DEVICE_HINT, IDC_NO_DEVICE_EXIT}},
    {IDD_NOT_INSTALLED, false, {IDC_NOT_INSTALLED_TEXT, IDC_NOT_INSTALLED_HINT, IDC_NOT_INSTALLED_EXIT}},
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
        ASSERT_NE(nullptr, dialog) << "cannot create page " << support::ResourceName(page.page) << ": error "
                                   << support::ErrorName(GetLastError());
        for (int id : page.controls) {
            HWND control = GetDlgItem(dialog, id);
            EXPECT_TRUE(Fits(control, LocalizedText(setup, language, id, control)))
                << "language " << support::LanguageName(language) << ", page " << support::ResourceName(page.page) << ", control "
                << support::ResourceName(id);
        }
        DestroyWindow(dialog);
    }
    FreeLibrary(setup);
}
