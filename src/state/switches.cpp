#include "switches.h"
#include "../text/bounded_text.h"

namespace {

const char LOG_SWITCH[] = "-log:";

}  // namespace


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
        // The last one counts; a path too long for a path is no log.
        if (const char* path = AfterPrefixIgnoreCase(arg, LOG_SWITCH)) CopyText(state.logPath, path);
    }
}
