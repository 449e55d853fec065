#include "findings.h"

#include <stdarg.h>

#include "../text/bounded_text.h"

namespace {

const char* const SEVERITY_NAMES[] = {"error", "warning", "note"};

bool Concerns(const Finding& f, FamilySet shown) { return f.families == 0 || (f.families & shown) != 0; }

void PrintFamilies(ReportWriter& out, FamilySet families) {
    if (families == 0) return;
    if (families == EVERY_FAMILY) {
        out.Put(" (every family)");
        return;
    }
    const char* separator = " (";
    for (int i = 0; i < FAMILY_COUNT; ++i) {
        if (!(families & FamilyBit(i))) continue;
        out.Put(separator).Put(FAMILIES[i].title);
        separator = ", ";
    }
    out.Put(")");
}

}  // namespace

void Findings::Add(Severity severity, FamilySet families, const char* format, ...) {
    char text[FINDING_TEXT_SIZE];
    va_list args;
    va_start(args, format);
    bool fits = ComposeV(text, sizeof text, format, args);
    va_end(args);
    // Never cut: a finding too long to compose still counts, in words of its own.
    if (!fits) CopyText(text, "(a finding too long to show)");

    for (int i = 0; i < count_; ++i) {
        if (findings_[i].severity == severity && TextEquals(findings_[i].text, text)) {
            findings_[i].families |= families;
            return;
        }
    }
    if (count_ == CAPACITY) {
        ++unlisted_[severity];
        return;
    }
    Finding& f = findings_[count_++];
    f.severity = severity;
    f.families = families;
    CopyText(f.text, text);
}

int Findings::Count(Severity severity, FamilySet shown) const {
    int n = unlisted_[severity];
    for (int i = 0; i < count_; ++i) {
        if (findings_[i].severity == severity && Concerns(findings_[i], shown)) ++n;
    }
    return n;
}

void Findings::Print(ReportWriter& out, FamilySet shown) const {
    for (int severity = SEVERITY_ERROR; severity <= SEVERITY_NOTE; ++severity) {
        for (int i = 0; i < count_; ++i) {
            const Finding& f = findings_[i];
            if (f.severity != severity || !Concerns(f, shown)) continue;
            out.Put(SEVERITY_NAMES[severity]).Put(": ").Value(f.text);
            PrintFamilies(out, f.families & shown);
            out.EndLine();
        }
        if (unlisted_[severity]) {
            out.Put(SEVERITY_NAMES[severity]).Put(": ").Number(unlisted_[severity]).Put(" more, not listed").EndLine();
        }
    }
}
