// What a machine holds where a run of Setup.exe could leave something: every file and
// folder of drive C: and every registry key and value name under HKLM\Software,
// HKLM\System and HKCU\Software. Taken before and after, it tells what the run left or took.
#pragma once
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "virtual_reader.h"

namespace support {

struct Footprint {
    std::set<std::string> entries;   // "C:\...", "HKLM\...\" for a key, "HKLM\...\:name" for a value
};

Footprint TakeFootprint();

// What `after` holds that `before` did not, and the other way round, in order.
std::vector<std::string> Added(const Footprint& before, const Footprint& after);
std::vector<std::string> Removed(const Footprint& before, const Footprint& after);

// The entries without those in `expected` (letter case aside).
std::vector<std::string> Except(std::vector<std::string> entries, const std::vector<std::string>& expected);

// The entries that are not the machine's own bookkeeping (Wine's, the shell's), which
// any program that runs may cause.
std::vector<std::string> WithoutSystemNoise(const std::vector<std::string>& entries);

// A run that was to change nothing: nothing added but `made` (what the test itself
// wrote meanwhile), nothing taken.
::testing::AssertionResult Unchanged(const Footprint& before, const Footprint& after,
                                     const std::vector<std::string>& made = {});

// After an installation and its removal: nothing added but `kept`, nothing taken but
// the reader's device node and the keys above it that only the node filled.
::testing::AssertionResult RemovedCleanly(const Footprint& before, const Footprint& after,
                                          const std::vector<std::string>& kept, const VirtualReader& reader);

}  // namespace support
