#include "run_outcome.h"

QuietChoice ChooseQuietWork(const SetupState& s, bool administrator) {
    if (!administrator) return {QuietWork::Nothing, EXIT_NOT_ADMINISTRATOR};
    if (s.uninstallMode) {
        if (!s.devicePresent) return {QuietWork::Nothing, EXIT_NO_READER};
        // Nothing of ours there: nothing to do, and the reader's node stays.
        if (!s.driverInstalled) return {QuietWork::Nothing, EXIT_DONE};
        return {QuietWork::Remove, EXIT_DONE};
    }
    // Without its own folder there is no disc to install from, whatever the family.
    const int discFailure = s.sourceDir[0] ? EXIT_DONE : EXIT_HELPER_NOT_RUN;
    // Windows 98 installs without a detected reader.
    if (!s.devicePresent && s.osKind != OS_WIN98) {
        return {QuietWork::Nothing, discFailure != EXIT_DONE ? discFailure : EXIT_NO_READER};
    }
    return {QuietWork::Install, discFailure};
}
