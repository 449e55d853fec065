// The self-registration request at the end of the command line.
#pragma once
#include <stddef.h>

#include "../text/double_byte.h"

enum class ComRequest { None, Register, Unregister };

// Looks at every "-" or "/" of the whole command line (program path included): the
// request counts when the rest of the line after it is exactly "UnregServer" or
// "RegServer", ASCII case ignored, with nothing after it.
ComRequest FindComRequest(const char* commandLine);

// The type library beside the program: the program's path with the extension of its
// file name (from the last dot, or from the end when there is none) replaced by
// ".tlb". The path is in the ANSI code page, walked by its characters. False, and dst
// empty, when the result does not fit.
bool TypeLibraryPathBeside(const char* modulePath, LeadBytePredicate isLeadByte, char* dst,
                           size_t size);
