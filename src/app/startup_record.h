// What start-up found, for the run log.
#pragma once

#include "../device/administrator.h"
#include "../journal/journal.h"
#include "../state/setup_state.h"

// The first line: the version, the time and the command line.
void RecordStart(Journal& journal);
// The Windows family, the language, the folders and whether setup.ini was there.
void RecordEnvironment(Journal& journal, const SetupState& state);
// One look for a reader of the [Vendors] list, and what it found.
void RecordReaderLook(Journal& journal, const char* hardwareId, bool present, const char* instanceId);
// The reader found (or none), whether something of ours is installed (`trace`: what
// shows it), and whether the user may install.
void RecordFindings(Journal& journal, const SetupState& state, const char* trace, Membership administrators);
