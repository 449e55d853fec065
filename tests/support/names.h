// Names for the numbers a failing test prints: exit codes, Windows error codes, resource
// ids, registry value types, and the windows on the screen.
#pragma once
#include <windows.h>

#include <string>

namespace support {

// Setup.exe's own codes and the system's: "0 (success)", "259 (STILL_ACTIVE: still running)".
std::string ExitCodeName(DWORD code);
// A GetLastError value with the system's text for it: "2 (The system cannot find the file specified.)".
std::string ErrorName(DWORD error);
// A page, control or string id of Setup.exe: "1032 (IDD_WELCOME)".
std::string ResourceName(int id);
// "REG_SZ (1)".
std::string RegTypeName(DWORD type);
// "1031 (German (Germany))".
std::string LanguageName(LANGID language);
// What DialogBox and DoModal return: "1 (IDOK)", "-1 (could not be shown)".
std::string DialogResultName(INT_PTR result);
// What WaitForSingleObject returns: "258 (WAIT_TIMEOUT)".
std::string WaitResultName(DWORD result);
// The visible top-level windows, "class \"title\"" each, of one process or (0) of all.
std::string VisibleWindows(DWORD processId = 0);

}  // namespace support
