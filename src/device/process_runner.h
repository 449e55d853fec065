// Running a helper program and waiting for it.
#pragma once

#include "../journal/journal.h"

const int RUN_COMPLETED = 0;   // started, and the wait ended within the limit
const int RUN_FAILED = 2;      // could not be started, or still running at the limit

// Starts programPath with the complete command line (program first, as the caller
// quoted it) and waits at most limitSeconds. A program still running at the limit
// is left running. Its exit code is not looked at; the journal records it, with the
// command line and how the program ended.
int RunAndWait(const char* programPath, char* commandLine, unsigned limitSeconds, Journal& journal);
