// DiscCheck's command line: DiscCheck [DISC_FOLDER] [/family:NAME] [/at:FOLDER] [/quiet]
#pragma once

struct CheckArguments {
    const char* folder;   // null: the folder DiscCheck lives in
    int family;           // an index of FAMILIES, or -1 for every family
    const char* at;       // where the disc will be, or null: a drive's root (DISC_FOLDER given), else its own
    bool quiet;
    bool help;
    const char* error;    // what is wrong with the command line, or null
    const char* culprit;  // the argument it is about
};

// Switches begin with "/" or "-" and ignore letter case.
CheckArguments ParseCheckArguments(int argc, const char* const* argv);

extern const char CHECK_USAGE[];
