// The check of a driver disc before it ships: what Setup.exe would do with it on each
// Windows family, then what its author should know, each with a severity.
#pragma once
#include "inf_source.h"
#include "report_writer.h"
#include "../state/ini_source.h"
#include "../text/double_byte.h"

// What the check reads of a disc besides the values Setup.exe reads.
class DiscContents {
public:
    virtual bool HasSetupIni() const = 0;
    // As the profile functions list them: zero-terminated entries ended by an empty one,
    // section names, or a section's "key=value" lines without its comments. False when
    // the list does not fit.
    virtual bool ListSections(char* dst, size_t size) const = 0;
    virtual bool ListSectionLines(const char* section, char* dst, size_t size) const = 0;
    virtual bool FileExists(const char* path) const = 0;
    // autorun.inf at the disc's root, and a value of its [autorun] section (empty when
    // not set). False when the value does not fit.
    virtual bool HasAutorunInf() const = 0;
    virtual bool ReadAutorun(const char* key, char* dst, size_t size) const = 0;

protected:
    ~DiscContents() = default;
};

struct CheckOptions {
    const char* discFolder;   // full, without a trailing backslash, as Setup.exe's own folder
    // Where the disc will be when Setup.exe runs from it, as its own folder ("X:" for a
    // drive's root): the lengths of the paths it composes are judged there.
    const char* judgedFolder;
    int family;               // an index of FAMILIES, or -1 for every family
    bool quiet;               // the findings only
    LeadBytePredicate isLeadByte;   // the code page's, as Setup.exe walks names; null: single-byte
};

struct CheckCounts {
    int errors;
    int warnings;
    int notes;
};

// The exit codes: 0 without errors and warnings, 1 with warnings only, 2 with errors;
// 3 when the disc could not be checked at all.
int CheckExitCode(const CheckCounts& counts);
const int EXIT_CANNOT_CHECK = 3;

// Prints the report; false when the check could not run (out of memory).
bool CheckDisc(const IniSource& ini, const DiscContents& disc, InfSource& infs, const CheckOptions& options,
               TextSink& out, CheckCounts& counts);

// A drive's root as Setup.exe's own folder names it: "X:".
bool IsDriveRoot(const char* folder);
// A folder as a user names it: a drive's root with its backslash.
void ShowFolder(const char* folder, char* dst, size_t size);
