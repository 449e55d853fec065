#include "autorun_findings.h"
#include "../state/setup_state.h"
#include "../text/bounded_text.h"

namespace {

// Room for open=, arguments included.
const size_t OPEN_VALUE_SIZE = 1024;

// The program open= starts: its first word, quoted or up to a blank, without the
// backslashes that root it on the disc. False when it does not fit.
bool ProgramOf(const char* value, char (&program)[TEXT_SIZE]) {
    while (*value == ' ' || *value == '\t') ++value;
    bool quoted = *value == '"';
    if (quoted) ++value;
    while (*value == '\\') ++value;
    size_t length = 0;
    for (; value[length]; ++length) {
        char c = value[length];
        if (quoted ? c == '"' : c == ' ' || c == '\t') break;
    }
    if (length >= sizeof program) return false;
    for (size_t i = 0; i < length; ++i) program[i] = value[i];
    program[length] = '\0';
    return true;
}

// As a process start, a name without an extension is also looked for as name.exe.
bool ProgramExists(const DiscContents& disc, const char* discFolder, const char* program) {
    char path[TEXT_SIZE];
    if (ComposeInto(path, "%s\\%s", discFolder, program) && disc.FileExists(path)) return true;
    const char* name = program;
    for (const char* p = program; *p; ++p) {
        if (*p == '\\') name = p + 1;
    }
    return !FindText(name, ".") && ComposeInto(path, "%s\\%s.exe", discFolder, program) && disc.FileExists(path);
}

}  // namespace

void FindAutorunProblems(const DiscContents& disc, const char* discFolder, Findings& f) {
    if (!disc.HasAutorunInf()) {
        f.Add(SEVERITY_NOTE, 0, "the disc has no autorun.inf: inserted, it starts nothing (tools/make-disc adds one "
                                "that opens Setup.exe)");
        return;
    }
    char value[OPEN_VALUE_SIZE];
    char program[TEXT_SIZE];
    if (!disc.ReadAutorun("open", value, sizeof value) || !ProgramOf(value, program)) {
        f.Add(SEVERITY_WARNING, 0, "autorun.inf's [autorun] open= is too long for DiscCheck to read: it is not checked");
    } else if (!program[0]) {
        f.Add(SEVERITY_WARNING, 0, "autorun.inf names no program to open ([autorun] open=): inserted, the disc starts "
                                   "nothing");
    } else if (!ProgramExists(disc, discFolder, program)) {
        f.Add(SEVERITY_WARNING, 0, "autorun.inf opens %s, which is not on the disc: inserted, the disc starts nothing",
              program);
    }
}
