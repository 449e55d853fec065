// What the disc starts when it goes in: autorun.inf at its root.
#pragma once
#include "disc_check.h"
#include "findings.h"

// A note when there is no autorun.inf; a warning when it opens no program, or one the
// disc lacks (the first word of open=, quoted or up to a blank, from the disc's root).
void FindAutorunProblems(const DiscContents& disc, const char* discFolder, Findings& findings);
