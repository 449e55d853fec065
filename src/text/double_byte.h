// Narrow text in the system's ANSI code page. In a double-byte code page (Japanese,
// Chinese, Korean) the second byte of a character may be 0x5C, the backslash, or
// another ASCII byte: such text is walked by characters, never byte by byte.
#pragma once
#include <stddef.h>

// The system's rule for the first byte of a double-byte character (IsDBCSLeadByte).
// Null stands for a single-byte code page.
typedef bool (*LeadBytePredicate)(unsigned char byte);

// The size in bytes of the character that starts at text (not at its terminator): 2 for
// a lead byte and the byte after it, 1 otherwise. A lead byte right before the
// terminator is an unfinished character of size 1.
size_t CharacterSize(const char* text, LeadBytePredicate isLeadByte);
bool IsUnfinishedCharacter(const char* text, LeadBytePredicate isLeadByte);
