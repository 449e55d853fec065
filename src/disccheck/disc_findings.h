// What a disc's author should know, found by comparing Setup.exe's plans and reads with
// what the disc holds.
#pragma once
#include "disc_check.h"
#include "family_plan.h"
#include "findings.h"

// Room for a listing of sections or of a section's lines.
const size_t LISTING_SIZE = 32767;

// The path relative to the disc's folder when it lies below it; else the path itself.
const char* OnDisc(const char* path, const char* discFolder);

// Files the family's plans need that the disc lacks; names Setup.exe refuses there; a
// title wider than the screen; a helper Setup.exe cannot run with the disc where it will
// be (`judged`: the family's plan there).
void FindPlanProblems(int family, const FamilyPlan& plan, const FamilyPlan& judged, const RecordingIni& reads,
                      const DiscContents& disc, const CheckOptions& options, Findings& findings);

// [Vendors]: entries skipped, entries behind the end of the list, no usable entry.
void FindVendorProblems(const IniSource& ini, const KeyList& readable, const DiscContents& disc, char* listing,
                        Findings& findings);

// Sections and keys Setup.exe does not read, keys given twice, values cut to their
// field, defaults in force.
void FindKeyProblems(const KeyList& readable, const KeyList& read, const DiscContents& disc, char* sections,
                     char* lines, Findings& findings);
