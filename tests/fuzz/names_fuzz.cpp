// Names and paths: bare file names, relative folders, the driver store's INF stems and
// the DriveIcons "DefaultIcon" values, in a single-byte or a double-byte code page.
//
// Input: the code page's number on the first line (932, 936, 949, 950 or another),
// then one name per line; each name is also taken as the icon library of the line
// before it, and its length picks the room given for an INF stem.
//
// Properties:
// - a bare name, composed below a base folder, is read by Windows as exactly one
//   file there, a relative folder as folders below it, and every name Windows reads
//   so is accepted (trail bytes of 0x5C included); bytes below 0x80 are read alike in
//   every code page;
// - an INF stem ends inside its room, is the name without its last four bytes, and
//   is itself a bare name; a refused one is left empty;
// - a DefaultIcon value names the icon library only when the library stands there as
//   a whole file name, and one that does is recognised, in any ASCII letter case,
//   quoted or not, with or without an icon index.
#include <cctype>

#include "state/file_names.h"
#include "fuzz_support.h"
#include "remove/removal_plan.h"
#include "text/bounded_text.h"

using fuzz::Shown;

namespace {

bool HasHighBytes(const std::string& text) {
    for (unsigned char c : text) {
        if (c >= 0x80) return true;
    }
    return false;
}

void CheckNameChecks(const std::string& name, LeadBytePredicate lead) {
    const int parts = fuzz::PartsBelowBase(name, lead);
    const bool bare = IsBareFileName(name.c_str(), lead);
    const bool folder = IsRelativeFolderPath(name.c_str(), lead);
    FUZZ_CHECK(bare == (parts == 1), Shown(name));
    FUZZ_CHECK(folder == (parts > 0), Shown(name));
    if (bare) FUZZ_CHECK(fuzz::LiesBelow("C:\\Base\\" + name, "C:\\Base", 1, lead), Shown(name));
    if (!HasHighBytes(name)) {
        FUZZ_CHECK(bare == IsBareFileName(name.c_str(), support::ShiftJisLeadByte), Shown(name));
        FUZZ_CHECK(folder == IsRelativeFolderPath(name.c_str(), support::Big5LeadByte), Shown(name));
    }
}

void CheckInfStem(const std::string& infPath, size_t room, LeadBytePredicate lead) {
    std::vector<char> stem(room + 1, '#');   // one byte past the room, to see it stays untouched
    const bool found = InfStemToDelete(infPath.c_str(), lead, stem.data(), room);
    FUZZ_CHECK(stem[room] == '#', "written past the room");
    if (room == 0) {
        FUZZ_CHECK(!found, "no room");
        return;
    }
    const std::string result(stem.data(), strnlen(stem.data(), room));
    FUZZ_CHECK(result.size() < room, "unterminated");
    if (!found) {
        FUZZ_CHECK(result.empty(), Shown(result));
        return;
    }
    FUZZ_CHECK(infPath.size() >= 5 && result == infPath.substr(0, infPath.size() - 4), Shown(result));
    FUZZ_CHECK(fuzz::PartsBelowBase(infPath, lead) == 1 && fuzz::PartsBelowBase(result, lead) == 1, Shown(result));
    FUZZ_CHECK(!TextEqualsIgnoreCase(result.c_str(), "usbstor"), Shown(result));
}

bool EndsUnfinished(const std::string& text, LeadBytePredicate lead) {
    for (const char* p = text.c_str(); *p; p += CharacterSize(p, lead)) {
        if (IsUnfinishedCharacter(p, lead)) return true;
    }
    return false;
}

// The library, ASCII letter case aside, at the start of value or after a quote or a
// separator character, and before value's end, a quote or a comma.
bool StandsAsFileName(const std::string& value, const std::string& library, LeadBytePredicate lead) {
    bool atNameStart = true;
    for (size_t i = 0; i < value.size();) {
        const size_t end = i + library.size();
        if (atNameStart && end <= value.size() &&
            TextEqualsIgnoreCase(value.substr(i, library.size()).c_str(), library.c_str()) &&
            (end == value.size() || value[end] == '"' || value[end] == ',')) {
            return true;
        }
        const size_t step = CharacterSize(value.c_str() + i, lead);
        atNameStart = step == 1 && strchr("\"\\/:", value[i]) != nullptr;
        i += step;
    }
    return false;
}

void CheckDefaultIcon(const std::string& value, const std::string& library, LeadBytePredicate lead) {
    const bool bare = IsBareFileName(library.c_str(), lead);
    if (DefaultIconNamesLibrary(value.c_str(), library.c_str(), lead)) {
        FUZZ_CHECK(bare, Shown(library));
        FUZZ_CHECK(StandsAsFileName(value, library, lead), Shown(value) + " " + Shown(library));
    }
    // No Windows file name holds a quote; Windows itself reads "a,b.dll" unquoted as
    // the file "a" and the icon index "b.dll".
    if (!bare || library.find('"') != std::string::npos || value.find_first_of(",\"") != std::string::npos ||
        EndsUnfinished(value, lead)) {
        return;
    }
    // The library in the folder value, its letters in other cases, as Windows may write it.
    std::string other = library;
    for (size_t i = 0; i < other.size(); i += CharacterSize(other.c_str() + i, lead)) {
        unsigned char c = static_cast<unsigned char>(other[i]);
        if (CharacterSize(other.c_str() + i, lead) == 1 && i % 2) {
            other[i] = static_cast<char>(isupper(c) ? tolower(c) : toupper(c));
        }
    }
    const std::string path = value + "\\" + other;
    for (const std::string& written : {path, path + ",3", "\"" + path + "\"", "\"" + path + "\",-12"}) {
        if (written == path && library.find(',') != std::string::npos) continue;
        FUZZ_CHECK(DefaultIconNamesLibrary(written.c_str(), library.c_str(), lead), Shown(written));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::string> lines = fuzz::Lines(data, size);
    const LeadBytePredicate lead = fuzz::CodePage(strtol(lines[0].c_str(), nullptr, 10));
    for (size_t i = 1; i < lines.size(); ++i) {
        const std::string& name = lines[i];
        if (name.find('\0') != std::string::npos) continue;   // no system string holds one
        CheckNameChecks(name, lead);
        CheckInfStem(name, (name.size() * 7) % 271, lead);
        CheckDefaultIcon(lines[i - 1].find('\0') == std::string::npos ? lines[i - 1] : "", name, lead);
    }
    return 0;
}
