// How a run ends, told by its exit code: the one thing deployment tools read.
#pragma once
#include "setup_state.h"

const int EXIT_DONE = 0;
const int EXIT_HELPER_NOT_RUN = 2;      // the helper could not be started or did not end in time; no disc folder
const int EXIT_WIZARD_FAILED = 3;       // the wizard could not show its frame or a page
const int EXIT_NO_READER = 4;           // no configured reader plugged in: nothing installed or removed
const int EXIT_NOT_ADMINISTRATOR = 5;   // NT family, not run by an administrator: nothing changed
const int EXIT_RESTART_PENDING = 3010;  // done; a file in use is removed or replaced at the next restart

struct RunOutcome {
    int failure = EXIT_DONE;       // the first failure's exit code, or EXIT_DONE
    bool restartPending = false;

    void Fail(int code) {
        if (failure == EXIT_DONE) failure = code;
    }
    // A failure wins over a pending restart.
    int ExitCode() const { return failure != EXIT_DONE ? failure : restartPending ? EXIT_RESTART_PENDING : EXIT_DONE; }
};

// What a quiet run does, decided from what start-up found.
enum class QuietWork { Install, Remove, Nothing };
struct QuietChoice {
    QuietWork work;
    int failure;   // the exit code it ends with at least (no disc, no reader, ...), else EXIT_DONE
};
QuietChoice ChooseQuietWork(const SetupState& state, bool administrator);
