// String resources of one language, whatever the thread's UI language is.
#pragma once
#include <windows.h>

// Loads string id of the table for languageId, converted to the ANSI code page.
// False, and dst empty, when the table has no such string or it does not fit.
bool LoadLanguageString(HINSTANCE module, UINT id, LANGID languageId, char* dst, int size);
