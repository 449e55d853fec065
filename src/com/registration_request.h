// The self-registration request at the end of the command line.
#pragma once
#include <stddef.h>

enum class ComRequest { None, Register, Unregister };

// Looks at every "-" or "/" of the whole command line (program path included): the
// request counts when the rest of the line after it is exactly "UnregServer" or
// "RegServer", ASCII case ignored, with nothing after it.
ComRequest FindComRequest(const char* commandLine);

// The type library beside the program: the program's path with the extension of its
// file name (from the last dot, or from the end when there is none) replaced by
// ".tlb". The path is in the ANSI code page: isLeadByte tells the first byte of a
// double-byte character, whose second byte may look like a backslash. False, and
// dst empty, when the result does not fit.
typedef bool (*LeadBytePredicate)(unsigned char byte);
bool TypeLibraryPathBeside(const char* modulePath, LeadBytePredicate isLeadByte, char* dst,
                           size_t size);
