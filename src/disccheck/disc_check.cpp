#include "disc_check.h"
#include "autorun_findings.h"
#include "disc_findings.h"
#include "families.h"
#include "inf_findings.h"
#include "plan_report.h"
#include "setup_version.h"
#include "../text/bounded_text.h"

namespace {

// Everything one check needs at once, kept off the stack.
struct Work {
    KeyList readable;   // every key Setup.exe can read
    KeyList read;       // the keys it reads with this disc, on any family
    FamilyPlan plans[FAMILY_COUNT];
    FamilyPlan judged;  // the family's plan with the disc where it will be
    Findings findings;
    char sections[LISTING_SIZE];
    char lines[LISTING_SIZE];
};

void PrintHeader(const CheckOptions& options, const FamilyPlan& plan, ReportWriter& out) {
    out.Put("DiscCheck " SETUP_VERSION_TEXT ": what Setup.exe would do with the disc in ").Value(options.discFolder).EndLine();
    out.Line("Folders that only the target machine knows: <windows>, <system>, <programs> (the Start menu's");
    out.Line("programs) and <program files>.");
    char judged[TEXT_SIZE];
    ShowFolder(options.judgedFolder, judged, sizeof judged);
    out.Put("Path lengths are judged for the disc in ").Value(judged);
    out.Put(IsDriveRoot(options.judgedFolder) ? " (a drive's root; /at:FOLDER judges another)." : ".").EndLine();
    out.EndLine();
    out.Line("Readers, in the order Setup.exe looks for them:");
    for (int i = 0; i < plan.readerCount; ++i) {
        const Reader& reader = plan.readers[i];
        out.Put("  ").Value(reader.key).Put(": ").Value(reader.vendorEntry).Put(", hardware id ")
            .Value(reader.hardwareId).EndLine();
    }
    if (plan.readerCount == 0) out.Line("  none");
}

}  // namespace

int CheckExitCode(const CheckCounts& counts) {
    if (counts.errors) return 2;
    return counts.warnings ? 1 : 0;
}

bool IsDriveRoot(const char* folder) { return folder[0] && folder[1] == ':' && !folder[2]; }

void ShowFolder(const char* folder, char* dst, size_t size) {
    if (!Compose(dst, size, IsDriveRoot(folder) ? "%s\\" : "%s", folder)) {
        Compose(dst, size, "(a folder too long to show)");
    }
}

bool CheckDisc(const IniSource& ini, const DiscContents& disc, InfSource& infs, const CheckOptions& options,
               TextSink& sink, CheckCounts& counts) {
    Work* work = new Work;
    if (!work) return false;
    ReportWriter out(sink);
    Findings& findings = work->findings;

    LearnReadableKeys(work->readable);
    for (int i = 0; i < FAMILY_COUNT; ++i) {
        RecordingIni reads(ini);
        PlanFamily(reads, FAMILIES[i].kind, options.discFolder, options.isLeadByte, work->plans[i]);
        work->read.Merge(reads.Reads());
        RecordingIni judgedReads(ini);
        PlanFamily(judgedReads, FAMILIES[i].kind, options.judgedFolder, options.isLeadByte, work->judged);
        FindPlanProblems(i, work->plans[i], work->judged, reads, disc, options, findings);
        FindInfProblems(i, work->plans[i], infs, disc, options.discFolder, findings);
    }
    FindVendorProblems(ini, work->readable, disc, work->lines, findings);
    FindKeyProblems(work->readable, work->read, disc, work->sections, work->lines, findings);
    FindAutorunProblems(disc, options.discFolder, findings);

    FamilySet shown = options.family < 0 ? EVERY_FAMILY : FamilyBit(options.family);
    counts.errors = findings.Count(SEVERITY_ERROR, shown);
    counts.warnings = findings.Count(SEVERITY_WARNING, shown);
    counts.notes = findings.Count(SEVERITY_NOTE, shown);
    if (!options.quiet) {
        PrintHeader(options, work->plans[0], out);
        for (int i = 0; i < FAMILY_COUNT; ++i) {
            if (shown & FamilyBit(i)) PrintFamilyPlan(FAMILIES[i], work->plans[i], out);
        }
        out.EndLine();
        out.Line("== Findings");
    }
    findings.Print(out, shown);
    if (!options.quiet) {
        out.Put("DiscCheck: ").Number(counts.errors).Put(counts.errors == 1 ? " error, " : " errors, ")
            .Number(counts.warnings).Put(counts.warnings == 1 ? " warning, " : " warnings, ").Number(counts.notes)
            .Put(counts.notes == 1 ? " note" : " notes").EndLine();
    }
    delete work;
    return true;
}
