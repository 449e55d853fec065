#include "page_texts.h"
#include "../state/setup_state.h"
#include "../framework/language_strings.h"

namespace {

// The table of the system's language: the one that made localizedUi true, whatever
// language the thread's user interface has.
void SetLocalizedText(HWND window, int stringId) {
    char text[1024];
    if (window && LoadLanguageString(GetModuleHandleA(nullptr), stringId, GetSystemDefaultLangID(), text, sizeof text)) {
        SetWindowTextA(window, text);
    }
}

}  // namespace

void LocalizePage(HWND page, int pageId, const int* controlIds, size_t count, bool replaceTitle) {
    if (!setupState.localizedUi) return;
    if (replaceTitle) SetLocalizedText(page, pageId);
    for (size_t i = 0; i < count; ++i) SetLocalizedText(GetDlgItem(page, controlIds[i]), controlIds[i]);
}
