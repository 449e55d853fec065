// WININIT.INI's [rename] section, which Windows 98 and Me carry out at their next
// start: "NUL=<short path>" deletes a file, "<short destination>=<short source>"
// replaces one. A key may stand there many times ("NUL" always does), so the section
// is written line by line, never through the profile functions, which keep one value
// per key.
#pragma once
#include <stddef.h>

// The file's text (length bytes; empty when there is no file) with `line` added at the
// end of its [rename] section, or with a [rename] section holding it added at the end.
// Every byte already there stays, in its order. False when the result does not fit
// `size` bytes; `used` gets the result's length.
bool AddRenameLine(const char* text, size_t length, const char* line, char* out, size_t size, size_t* used);

// The room AddRenameLine needs for a file of `length` bytes and a line of `lineLength`.
size_t RenameRoom(size_t length, size_t lineLength);
