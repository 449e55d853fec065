// The pages' texts in the system's language: each control's text is the string with
// the control's id, the page's title the string with the page's id.
#pragma once
#include <windows.h>
#include <stddef.h>

// Does nothing unless localizedUi is set. A string that cannot be loaded leaves the
// template's English text.
void LocalizePage(HWND page, int pageId, const int* controlIds, size_t count, bool replaceTitle);

template <size_t N>
inline void LocalizePage(HWND page, int pageId, const int (&controlIds)[N], bool replaceTitle) {
    LocalizePage(page, pageId, controlIds, N, replaceTitle);
}
