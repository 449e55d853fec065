// The Windows families a driver disc serves, as the check names them.
#pragma once
#include "../state/setup_state.h"

struct Family {
    OsKind kind;
    const char* name;    // as given to /family:
    const char* title;
};

const int FAMILY_COUNT = 7;
extern const Family FAMILIES[FAMILY_COUNT];

// A set of families: bit i stands for FAMILIES[i]. Empty: not tied to a family.
typedef unsigned FamilySet;
const FamilySet EVERY_FAMILY = (1u << FAMILY_COUNT) - 1;
inline FamilySet FamilyBit(int index) { return 1u << index; }

// The index of the family with this name (letter case ignored), or -1.
int FindFamily(const char* name);
