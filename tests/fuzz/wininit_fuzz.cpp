// WININIT.INI's [rename] section, given whatever file a machine holds.
//
// Input: the line to add on the first line (up to a NUL, without line ends, as the
// glue composes it), then the file's text as it lies on the disk.
//
// Properties:
// - with RenameRoom's bytes the line is added; with one byte less than it took, nothing
//   is, and nothing is written past the room given (AddressSanitizer watches it);
// - every byte of the file stays, in its order: the result is the file with one piece
//   put in at one place, and that piece is the line and its CR LF, after a CR LF where
//   the text before it had no line end, after a new "[rename]" header where the file
//   had no such section.
#include <algorithm>
#include <memory>

#include "device/wininit_rename.h"
#include "fuzz_support.h"

using fuzz::Shown;

namespace {

// out with `text` at its start and end and one piece between them.
bool OnePieceAdded(const std::string& out, const std::string& text, const std::string& line) {
    if (out.size() <= text.size()) return false;
    const size_t added = out.size() - text.size();
    for (size_t at = 0; at <= text.size(); ++at) {
        if (out.compare(0, at, text, 0, at) != 0) break;
        if (out.compare(at + added, std::string::npos, text, at, std::string::npos) != 0) continue;
        const std::string piece = out.substr(at, added);
        for (const char* before : {"", "\r\n", "[rename]\r\n", "\r\n[rename]\r\n"}) {
            if (piece == before + line + "\r\n") return true;
        }
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const uint8_t* end = data + size;
    const uint8_t* lineEnd = std::find(data, end, '\n');
    std::string line(data, lineEnd);
    line = line.c_str();
    line.erase(std::remove(line.begin(), line.end(), '\r'), line.end());
    const std::string text(lineEnd == end ? end : lineEnd + 1, end);

    const size_t room = RenameRoom(text.size(), line.size());
    std::unique_ptr<char[]> out(new char[room]);
    size_t used = 0;
    FUZZ_CHECK(AddRenameLine(text.data(), text.size(), line.c_str(), out.get(), room, &used), Shown(text));
    FUZZ_CHECK(used <= room, Shown(text));
    const std::string result(out.get(), used);
    FUZZ_CHECK(OnePieceAdded(result, text, line), Shown(text) + " gave " + Shown(result));

    std::unique_ptr<char[]> tight(new char[used - 1]);
    size_t tightUsed = 1;
    FUZZ_CHECK(!AddRenameLine(text.data(), text.size(), line.c_str(), tight.get(), used - 1, &tightUsed),
               "one byte short: " + Shown(text));
    FUZZ_CHECK(tightUsed == 0, "one byte short: " + Shown(text));
    return 0;
}
