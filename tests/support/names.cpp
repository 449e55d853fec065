#include "names.h"

#include <cstdio>

#include "../../src/res/resource_ids.h"

namespace support {

namespace {

struct Named {
    DWORD value;
    const char* name;
};

#define NAMED(id) {id, #id}

const Named RESOURCES[] = {
    NAMED(IDR_MAINFRAME),       NAMED(IDD_EXIT_SETUP),       NAMED(IDD_WELCOME),
    NAMED(IDD_PNP_DISK),        NAMED(IDD_SETUP_COMPLETE),   NAMED(IDD_UNINSTALL_COMPLETE),
    NAMED(IDD_NO_DEVICE),       NAMED(IDD_NOT_INSTALLED),    NAMED(IDC_WELCOME_TEXT),
    NAMED(IDC_WELCOME_HINT),    NAMED(IDC_WELCOME_NEXT),     NAMED(IDC_WELCOME_CANCEL),
    NAMED(IDC_PNP_TEXT),        NAMED(IDC_PNP_NEXT),         NAMED(IDS_CANCEL_SPARE),
    NAMED(IDC_RESTART_TEXT),    NAMED(IDC_REPLUG_TEXT),      NAMED(IDC_REMOVED_TEXT),
    NAMED(IDC_FINISH),          NAMED(IDC_NO_DEVICE_TEXT),   NAMED(IDC_NO_DEVICE_HINT),
    NAMED(IDC_NO_DEVICE_EXIT),  NAMED(IDC_RESTART_NOW),      NAMED(IDC_RESTART_LATER),
    NAMED(IDC_EXIT_TEXT),       NAMED(IDC_PNP_ENABLE),       NAMED(IDC_EXIT_BACK),
    NAMED(IDC_EXIT_CONFIRM),    NAMED(IDC_NOT_INSTALLED_EXIT), NAMED(IDC_NOT_INSTALLED_TEXT),
    NAMED(IDC_NOT_INSTALLED_HINT), NAMED(IDS_SD_DRIVE),      NAMED(IDS_MS_DRIVE),
    NAMED(IDS_SM_DRIVE),        NAMED(IDS_CF_DRIVE),         NAMED(IDS_XD_DRIVE),
    NAMED(IDC_PROGRESS),
};

const Named REG_TYPES[] = {
    NAMED(REG_NONE), NAMED(REG_SZ), NAMED(REG_EXPAND_SZ), NAMED(REG_BINARY), NAMED(REG_DWORD),
    NAMED(REG_DWORD_BIG_ENDIAN), NAMED(REG_LINK), NAMED(REG_MULTI_SZ), NAMED(REG_QWORD),
};

const Named DIALOG_RESULTS[] = {
    NAMED(IDOK), NAMED(IDCANCEL), {static_cast<DWORD>(-1), "could not be shown"},
};

const Named WAIT_RESULTS[] = {
    NAMED(WAIT_OBJECT_0), NAMED(WAIT_TIMEOUT), NAMED(WAIT_FAILED), NAMED(WAIT_ABANDONED),
};

const Named EXIT_CODES[] = {
    {0, "success"},
    {2, "an installation without its disc folder, or whose helper did not run to its end"},
    {3, "the wizard could not show its window or a page"},
    {4, "no configured reader plugged in: nothing installed or removed"},
    {5, "not run by an administrator: nothing changed"},
    {3010, "done; a file in use is removed or replaced at the next restart"},
    {STILL_ACTIVE, "STILL_ACTIVE: still running"},
    {0xDEAD, "ended by the test"},
    {0xC0000005, "access violation"},
    {0xC00000FD, "stack overflow"},
    {0xC0000409, "stack buffer overrun"},
};

#undef NAMED

template <size_t N>
const char* Find(const Named (&table)[N], DWORD value) {
    for (const Named& entry : table) {
        if (entry.value == value) return entry.name;
    }
    return nullptr;
}

std::string Number(DWORD value, const char* name) {
    char text[32];
    snprintf(text, sizeof text, value >= 0x10000 ? "0x%lX" : "%lu", static_cast<unsigned long>(value));
    return name ? std::string(text) + " (" + name + ")" : text;
}

struct WindowSearch {
    DWORD processId;
    std::string found;
};

BOOL CALLBACK AddVisibleWindow(HWND window, LPARAM param) {
    WindowSearch* search = reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (!IsWindowVisible(window) || (search->processId && owner != search->processId)) return TRUE;
    char className[64] = {};
    char title[128] = {};
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, title, sizeof title);
    if (!search->found.empty()) search->found += ", ";
    search->found += std::string(className) + " \"" + title + "\"";
    return TRUE;
}

}  // namespace

std::string ExitCodeName(DWORD code) { return Number(code, Find(EXIT_CODES, code)); }

std::string ErrorName(DWORD error) {
    char text[256] = {};
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                                  text, sizeof text, nullptr);
    while (length && (text[length - 1] == '\n' || text[length - 1] == '\r' || text[length - 1] == ' ')) {
        text[--length] = '\0';
    }
    return Number(error, length ? text : "no text for it");
}

std::string ResourceName(int id) { return Number(static_cast<DWORD>(id), Find(RESOURCES, static_cast<DWORD>(id))); }

std::string RegTypeName(DWORD type) {
    const char* name = Find(REG_TYPES, type);
    return name ? std::string(name) + " (" + std::to_string(type) + ")" : "type " + std::to_string(type);
}

std::string LanguageName(LANGID language) {
    char name[64] = {};
    GetLocaleInfoA(MAKELCID(language, SORT_DEFAULT), LOCALE_SLANGUAGE, name, sizeof name);
    return Number(language, name[0] ? name : nullptr);
}

std::string DialogResultName(INT_PTR result) {
    const char* name = Find(DIALOG_RESULTS, static_cast<DWORD>(result));
    return std::to_string(static_cast<long long>(result)) + (name ? std::string(" (") + name + ")" : "");
}

std::string WaitResultName(DWORD result) { return Number(result, Find(WAIT_RESULTS, result)); }

std::string VisibleWindows(DWORD processId) {
    WindowSearch search = {processId, ""};
    EnumWindows(AddVisibleWindow, reinterpret_cast<LPARAM>(&search));
    return search.found.empty() ? "none" : search.found;
}

}  // namespace support
