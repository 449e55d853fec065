#include "footprint.h"

#include <windows.h>

#include <algorithm>
#include <iterator>

namespace support {

namespace {

void AddFiles(const std::string& folder, std::set<std::string>& entries) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        std::string path = folder + "\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            entries.insert(path + "\\");
            // Wine links the system folders of a 64-bit prefix into one another.
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) AddFiles(path, entries);
        } else {
            entries.insert(path);
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

void AddKeys(HKEY parent, const std::string& name, const std::string& path, std::set<std::string>& entries) {
    HKEY key;
    if (RegOpenKeyExA(parent, name.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return;
    entries.insert(path + "\\");
    char text[16384];
    for (DWORD i = 0;; ++i) {
        DWORD length = sizeof text;
        LONG status = RegEnumValueA(key, i, text, &length, nullptr, nullptr, nullptr, nullptr);
        if (status != ERROR_SUCCESS) break;
        entries.insert(path + "\\:" + std::string(text, length));
    }
    std::vector<std::string> subkeys;
    for (DWORD i = 0;; ++i) {
        DWORD length = sizeof text;
        LONG status = RegEnumKeyExA(key, i, text, &length, nullptr, nullptr, nullptr, nullptr);
        if (status != ERROR_SUCCESS) break;
        subkeys.emplace_back(text, length);
    }
    for (const std::string& subkey : subkeys) AddKeys(key, subkey, path + "\\" + subkey, entries);
    RegCloseKey(key);
}

std::vector<std::string> Difference(const std::set<std::string>& a, const std::set<std::string>& b) {
    std::vector<std::string> only;
    std::set_difference(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(only));
    return only;
}

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
    return text.size() >= prefix.size() &&
           CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, text.c_str(), static_cast<int>(prefix.size()),
                          prefix.c_str(), static_cast<int>(prefix.size())) == CSTR_EQUAL;
}

}  // namespace

Footprint TakeFootprint() {
    Footprint footprint;
    AddFiles("C:", footprint.entries);
    for (const char* key : {"Software", "System"}) {
        AddKeys(HKEY_LOCAL_MACHINE, key, std::string("HKLM\\") + key, footprint.entries);
    }
    AddKeys(HKEY_CURRENT_USER, "Software", "HKCU\\Software", footprint.entries);
    return footprint;
}

std::vector<std::string> Added(const Footprint& before, const Footprint& after) {
    return Difference(after.entries, before.entries);
}

std::vector<std::string> Removed(const Footprint& before, const Footprint& after) {
    return Difference(before.entries, after.entries);
}

std::vector<std::string> Except(std::vector<std::string> entries, const std::vector<std::string>& expected) {
    for (const std::string& entry : expected) {
        entries.erase(std::remove_if(entries.begin(), entries.end(),
                                     [&](const std::string& e) { return lstrcmpiA(e.c_str(), entry.c_str()) == 0; }),
                      entries.end());
    }
    return entries;
}

std::vector<std::string> WithoutSystemNoise(const std::vector<std::string>& entries) {
    // Wine's own settings, and what its display driver records when a program first
    // uses the screen: adapters, monitors, their modes and device interfaces.
    static const char* const NOISE[] = {
        "HKCU\\Software\\Wine\\",
        "HKLM\\System\\CurrentControlSet\\Hardware Profiles\\",
        "HKLM\\System\\CurrentControlSet\\Control\\Video\\",
        "HKLM\\System\\CurrentControlSet\\Control\\DeviceClasses\\",
        "HKLM\\System\\CurrentControlSet\\Control\\Class\\{4D36E968-E325-11CE-BFC1-08002BE10318}\\",   // display
        "HKLM\\System\\CurrentControlSet\\Control\\Class\\{4D36E96E-E325-11CE-BFC1-08002BE10318}\\",   // monitor
    };
    // Wine's device list notes a class's name in the nodes it enumerates, at times of
    // its own: a value Windows keeps there itself.
    static const char ENUM[] = "HKLM\\System\\CurrentControlSet\\Enum\\";
    static const char CLASS_NAME[] = "\\:Class";
    std::vector<std::string> kept;
    for (const std::string& entry : entries) {
        bool noise = StartsWithNoCase(entry, ENUM) && entry.size() > sizeof CLASS_NAME &&
                     lstrcmpiA(entry.c_str() + entry.size() - (sizeof CLASS_NAME - 1), CLASS_NAME) == 0;
        for (const char* prefix : NOISE) noise = noise || StartsWithNoCase(entry, prefix);
        if (!noise) kept.push_back(entry);
    }
    return kept;
}

::testing::AssertionResult Unchanged(const Footprint& before, const Footprint& after,
                                     const std::vector<std::string>& made) {
    std::vector<std::string> added = Except(WithoutSystemNoise(Added(before, after)), made);
    std::vector<std::string> taken = WithoutSystemNoise(Removed(before, after));
    if (added.empty() && taken.empty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "added: " << ::testing::PrintToString(added)
                                         << "\ntaken: " << ::testing::PrintToString(taken);
}

::testing::AssertionResult RemovedCleanly(const Footprint& before, const Footprint& after,
                                          const std::vector<std::string>& kept, const VirtualReader& reader) {
    std::vector<std::string> left = Except(WithoutSystemNoise(Added(before, after)), kept);
    const std::string node = "HKLM\\" + reader.EnumKey() + "\\";
    const std::string enumKey = "HKLM\\System\\CurrentControlSet\\Enum\\";
    std::vector<std::string> taken;
    for (const std::string& entry : WithoutSystemNoise(Removed(before, after))) {
        bool nodeOrAbove = entry.rfind(node, 0) == 0 || (node.rfind(entry, 0) == 0 && entry.size() > enumKey.size());
        if (!nodeOrAbove) taken.push_back(entry);
    }
    if (left.empty() && taken.empty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "left behind: " << ::testing::PrintToString(left)
                                         << "\ntaken, and not the reader's: " << ::testing::PrintToString(taken);
}

}  // namespace support
