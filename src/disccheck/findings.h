// What a disc's author should know, each with its severity and the families it concerns.
#pragma once
#include "families.h"
#include "report_writer.h"

enum Severity { SEVERITY_ERROR, SEVERITY_WARNING, SEVERITY_NOTE };

const size_t FINDING_TEXT_SIZE = 1024;

struct Finding {
    Severity severity;
    FamilySet families;   // empty: the disc as a whole
    char text[FINDING_TEXT_SIZE];
};

class Findings {
public:
    // Composes the text (bounded formatter, %s %d %u); an equal finding gains the families.
    void Add(Severity severity, FamilySet families, const char* format, ...);

    // Counts and prints those that concern `shown` (or the disc as a whole), errors first.
    int Count(Severity severity, FamilySet shown) const;
    void Print(ReportWriter& out, FamilySet shown) const;

private:
    static const int CAPACITY = 96;
    Finding findings_[CAPACITY];
    int count_ = 0;
    int unlisted_[3] = {0, 0, 0};   // beyond CAPACITY: counted, not listed
};
