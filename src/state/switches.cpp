#include "switches.h"
#include "../text/bounded_text.h"

void ParseSwitches(int argc, char** argv, SetupState& state) {
    state.restartNow = false;
    state.uninstallMode = false;
    state.quietMode = false;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (!arg) continue;
        if (TextEqualsIgnoreCase(arg, "-u") || TextEqualsIgnoreCase(arg, "-uninstall")) {
            state.uninstallMode = true;
        }
        if (TextEqualsIgnoreCase(arg, "-q") || TextEqualsIgnoreCase(arg, "-quiet")) {
            state.quietMode = true;
        }
    }
}
