// What a family's INF files tell of its disc, as the system's parser reads them: each
// opens; the one handed to the helper names every reader of [Vendors] in the models this
// family uses, is signed where the family requires it, installs the driver that
// setup.ini names, and on 98/Me comes from the provider a removal expects; every file
// they copy lies on the disc where their source layout says.
#pragma once
#include "disc_check.h"
#include "family_plan.h"
#include "findings.h"
#include "inf_source.h"

void FindInfProblems(int family, const FamilyPlan& plan, InfSource& infs, const DiscContents& disc,
                     const char* discFolder, Findings& findings);
