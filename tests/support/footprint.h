// What a machine holds where a run of Setup.exe could leave something: every file and
// folder of drive C: and every registry key and value name under HKLM\Software,
// HKLM\System and HKCU\Software. Taken before and after, it tells what the run left or took.
#pragma once
#include <set>
#include <string>
#include <vector>

namespace support {

struct Footprint {
    std::set<std::string> entries;   // "C:\...", "HKLM\...\" for a key, "HKLM\...\:name" for a value
};

Footprint TakeFootprint();

// What `after` holds that `before` did not, and the other way round, in order.
std::vector<std::string> Added(const Footprint& before, const Footprint& after);
std::vector<std::string> Removed(const Footprint& before, const Footprint& after);

// The entries that are not the machine's own bookkeeping (Wine's, the shell's), which
// any program that runs may cause.
std::vector<std::string> WithoutSystemNoise(const std::vector<std::string>& entries);

}  // namespace support
