// What may name a file or folder that we create or delete in the system's folders.
#pragma once
#include "../text/double_byte.h"

// Names are in the ANSI code page and walked by its characters: the second byte of a
// double-byte character is never taken for a "\", "/" or ":". A name that ends in an
// unfinished character is refused, as is a part made only of dots and blanks: Windows
// drops trailing dots and blanks, so such a part names the folder itself or one above it.

// A bare file name: one part, no "\", "/" or ":". Only such names from setup.ini or the
// driver store are placed into or deleted from Windows folders.
bool IsBareFileName(const char* name, LeadBytePredicate isLeadByte);

// A folder path relative to its base: parts separated by "\" or "/", no ":", no empty
// part (so no leading separator). Such names may hold a sub-folder ("Vendor\Product").
bool IsRelativeFolderPath(const char* path, LeadBytePredicate isLeadByte);
