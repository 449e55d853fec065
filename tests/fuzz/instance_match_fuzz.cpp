// Device-id matching: a hardware id against an instance id, and the search through the
// system's list of instance ids.
//
// Input: the hardware id on the first line, the list's used size on the second, then
// the list itself, its lines ending in NULs; the list's buffer is exactly that long, so
// its last string may lack a terminator.
//
// Properties:
// - an id matches where the hardware id stands whole: at the start or after a "\",
//   and before the end, a "\" or a "&"; letter case counts; an empty hardware id
//   matches nothing; the same hardware id followed by "\...", "&..." or standing
//   after "...\" always matches;
// - the search returns the first string of the list that matches, inside the used part
//   of the buffer and terminated inside it, or nothing; it reads nothing past the
//   buffer (AddressSanitizer watches it).
#include <algorithm>
#include <memory>

#include "device/instance_match.h"
#include "fuzz_support.h"

using fuzz::Shown;

namespace {

bool StandsWhole(const std::string& id, const std::string& pattern) {
    if (pattern.empty()) return false;
    for (size_t start = 0; start < id.size(); ++start) {
        if (start > 0 && id[start - 1] != '\\') continue;
        if (id.compare(start, pattern.size(), pattern) != 0) continue;
        const size_t end = start + pattern.size();
        if (end == id.size() || id[end] == '\\' || id[end] == '&') return true;
    }
    return false;
}

void CheckMatch(const std::string& id, const std::string& pattern) {
    FUZZ_CHECK(InstanceIdMatches(id.c_str(), pattern.c_str()) == StandsWhole(id, pattern), Shown(id) + " " + Shown(pattern));
    if (pattern.empty()) return;
    for (const std::string& around : {pattern, pattern + "\\" + id, pattern + "&" + id, id + "\\" + pattern}) {
        FUZZ_CHECK(InstanceIdMatches(around.c_str(), pattern.c_str()), Shown(around) + " " + Shown(pattern));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const uint8_t* end = data + size;
    const uint8_t* firstEnd = std::find(data, end, '\n');
    const uint8_t* secondEnd = firstEnd == end ? end : std::find(firstEnd + 1, end, '\n');
    std::string pattern(data, firstEnd);
    pattern = pattern.c_str();   // as the system's string ends
    const std::string used(firstEnd == end ? end : firstEnd + 1, secondEnd);
    const size_t usedSize = strtoul(used.c_str(), nullptr, 10);
    const uint8_t* list = secondEnd == end ? end : secondEnd + 1;
    const size_t bufferSize = static_cast<size_t>(end - list);

    std::unique_ptr<char[]> buffer(new char[bufferSize ? bufferSize : 1]);
    for (size_t i = 0; i < bufferSize; ++i) buffer[i] = list[i] == '\n' ? '\0' : static_cast<char>(list[i]);

    // The list as the search should see it, up to the used size or the buffer's end.
    const char* expected = nullptr;
    const size_t stop = std::min(usedSize, bufferSize);
    for (size_t pos = 0; pos < stop && buffer[pos];) {
        const size_t length = strnlen(buffer.get() + pos, bufferSize - pos);
        if (pos + length == bufferSize) break;   // no terminator inside the buffer
        const std::string id(buffer.get() + pos, length);
        CheckMatch(id, pattern);
        if (!expected && StandsWhole(id, pattern)) expected = buffer.get() + pos;
        pos += length + 1;
    }
    const char* found = FindMatchingInstanceId(buffer.get(), bufferSize, usedSize, pattern.c_str());
    FUZZ_CHECK(found == expected, "the first match of the list");
    return 0;
}
