#include <windows.h>

#include "startup_record.h"
#include "setup_version.h"
#include "../journal/file_journal.h"
#include "../state/os_kind.h"
#include "../text/bounded_text.h"

namespace {

const char* Known(const char* folder) { return folder[0] ? folder : "(unknown)"; }

}  // namespace

void RecordStart(Journal& journal) {
    journal.Begin(SETUP_VERSION_TEXT, LocalTimeNow(), GetCommandLineA());
}

void RecordEnvironment(Journal& journal, const SetupState& s) {
    if (!journal.Recording()) return;
    char text[2 * TEXT_SIZE];
    journal.Fact("Windows family", OsKindName(s.osKind));
    ComposeInto(text, "%u, the wizard speaks %s", static_cast<unsigned>(GetSystemDefaultLangID()),
                s.localizedUi ? "it" : "English");
    journal.Fact("system language", text);
    journal.Fact("Windows folder", Known(s.windowsDir));
    journal.Fact("system folder", Known(s.systemDir));
    journal.Fact("disc folder", Known(s.sourceDir));
    journal.Fact("Start menu programs folder", Known(s.programsDir));
    journal.Fact("program files folder", Known(s.programFilesDir));

    char ini[TEXT_SIZE];
    DWORD attributes = INVALID_FILE_ATTRIBUTES;
    if (s.sourceDir[0] && ComposeInto(ini, "%s\\setup.ini", s.sourceDir)) attributes = GetFileAttributesA(ini);
    bool read = attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    if (!read || !ComposeInto(text, "read from %s", ini)) ComposeInto(text, "not there; every setting is its default");
    journal.Fact("setup.ini", text);
}

void RecordReaderLook(Journal& journal, const char* hardwareId, bool present, const char* instanceId) {
    if (!journal.Recording()) return;
    char what[TEXT_SIZE];
    char found[TEXT_SIZE];
    ComposeInto(what, "look for reader %s", hardwareId);
    if (!present || !ComposeInto(found, "plugged in as %s", instanceId)) CopyText(found, present ? "plugged in" : "not plugged in");
    journal.Fact(what, found);
}

void RecordFindings(Journal& journal, const SetupState& s, const char* trace, Membership administrators) {
    if (!journal.Recording()) return;
    char text[2 * TEXT_SIZE];
    journal.Fact("reader found", s.devicePresent ? s.hardwareId : "none");
    if (!s.driverInstalled || !ComposeInto(text, "yes: %s", trace)) CopyText(text, s.driverInstalled ? "yes" : "no");
    journal.Fact("something of ours installed", text);
    const char* rights = !IsNtFamily(s.osKind)             ? "not checked: no user rights before Windows 2000"
                         : administrators == Membership::Member    ? "yes"
                         : administrators == Membership::NotMember ? "no"
                                                                   : "could not be checked; taken as yes";
    journal.Fact("administrator", rights);
    const char* mode = s.quietMode ? (s.uninstallMode ? "quiet removal" : "quiet installation")
                                   : (s.uninstallMode ? "wizard, for removal" : "wizard, for installation");
    journal.Fact("run", mode);
}
