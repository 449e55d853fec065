#include "switches.h"
#include "../text/bounded_text.h"

namespace {

const char LOG_SWITCH[] = "-log:";

// The rest of arg after `prefix` (ASCII case ignored), or null when arg does not start with it.
const char* AfterPrefix(const char* arg, const char* prefix) {
    for (; *prefix; ++arg, ++prefix) {
        char a = (*arg >= 'A' && *arg <= 'Z') ? static_cast<char>(*arg - 'A' + 'a') : *arg;
        if (a != *prefix) return nullptr;
    }
    return arg;
}

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
        if (const char* path = AfterPrefix(arg, LOG_SWITCH)) CopyText(state.logPath, path);
    }
}
