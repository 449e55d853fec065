#pragma once
#include "setup_state.h"

// Sets the run flags from the runtime's argument vector: -u/-uninstall and -q/-quiet,
// whole arguments, ASCII case ignored; "-log:PATH" (prefix case ignored) names the
// run log. Clears restartNow.
void ParseSwitches(int argc, char** argv, SetupState& state);
