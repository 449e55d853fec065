#include "check_arguments.h"
#include "families.h"
#include "../text/bounded_text.h"

const char CHECK_USAGE[] =
    "Usage: DiscCheck [DISC_FOLDER] [/family:NAME] [/at:FOLDER] [/quiet]\r\n"
    "Shows what Setup.exe would do with the driver disc in DISC_FOLDER (default: the folder\r\n"
    "DiscCheck is in) on each Windows family, then what its author should know.\r\n"
    "  /family:NAME  one family: win98, winme, win2000, winxp, winxp64, vista or vista64\r\n"
    "  /at:FOLDER    judge path lengths for the disc in FOLDER (a network share, say);\r\n"
    "                default: a drive's root, or with no DISC_FOLDER DiscCheck's own\r\n"
    "  /quiet        the findings only\r\n"
    "Exit code: 0 no errors and no warnings, 1 warnings only, 2 errors, 3 not checked.\r\n";

namespace {

// The text after the switch's name, when `argument` is that switch; null otherwise.
const char* SwitchValue(const char* argument, const char* name) {
    if (argument[0] != '/' && argument[0] != '-') return nullptr;
    return AfterPrefixIgnoreCase(argument + 1, name);
}

}  // namespace

CheckArguments ParseCheckArguments(int argc, const char* const* argv) {
    CheckArguments args = {nullptr, -1, nullptr, false, false, nullptr, nullptr};
    for (int i = 1; i < argc && !args.error; ++i) {
        const char* a = argv[i];
        const char* value;
        if ((value = SwitchValue(a, "family:"))) {
            args.family = FindFamily(value);
            if (args.family < 0) args.error = "unknown family";
        } else if ((value = SwitchValue(a, "at:"))) {
            args.at = value;
            if (!*value) args.error = "no folder after /at:";
        } else if ((value = SwitchValue(a, "quiet")) && !*value) {
            args.quiet = true;
        } else if (((value = SwitchValue(a, "?")) || (value = SwitchValue(a, "help"))) && !*value) {
            args.help = true;
        } else if (a[0] == '/' || (a[0] == '-' && a[1])) {
            args.error = "unknown switch";
        } else if (args.folder) {
            args.error = "more than one folder";
        } else {
            args.folder = a;
        }
        if (args.error) args.culprit = a;
    }
    return args;
}
