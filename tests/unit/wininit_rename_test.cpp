#include <gtest/gtest.h>

#include <string>

#include "device/wininit_rename.h"

namespace {

// The text with `line` added, or "(does not fit)" when `room` bytes are too few.
std::string Added(const std::string& text, const char* line, size_t room = 0) {
    if (room == 0) room = RenameRoom(text.size(), std::string(line).size());
    std::string out(room, '\0');
    size_t used = 99;
    if (!AddRenameLine(text.data(), text.size(), line, &out[0], room, &used)) {
        EXPECT_EQ(0u, used);
        return "(does not fit)";
    }
    return out.substr(0, used);
}

}  // namespace

TEST(WininitRename, EveryLineStaysAndOursEndsTheRenameSection) {
    struct Case {
        const char* text;
        const char* expected;
    } cases[] = {
        {"", "[rename]\r\nNUL=C:\\WINDOWS\\ZELKI_J.DLL\r\n"},
        {"[rename]\r\nNUL=C:\\A.SYS\r\n",
         "[rename]\r\nNUL=C:\\A.SYS\r\nNUL=C:\\WINDOWS\\ZELKI_J.DLL\r\n"},
        // Before the next section, whatever the letter case of the header.
        {"[Rename]\r\nNUL=C:\\A.SYS\r\n[other]\r\nx=1\r\n",
         "[Rename]\r\nNUL=C:\\A.SYS\r\nNUL=C:\\WINDOWS\\ZELKI_J.DLL\r\n[other]\r\nx=1\r\n"},
        // Another section only, its last line without a line end.
        {"[other]\nx=1", "[other]\nx=1\r\n[rename]\r\nNUL=C:\\WINDOWS\\ZELKI_J.DLL\r\n"},
        // "[renamed]" is not the section.
        {"[renamed]\r\n", "[renamed]\r\n[rename]\r\nNUL=C:\\WINDOWS\\ZELKI_J.DLL\r\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.expected, Added(c.text, "NUL=C:\\WINDOWS\\ZELKI_J.DLL")) << c.text;
}

TEST(WininitRename, TooLittleRoomWritesNothing) {
    EXPECT_EQ("(does not fit)", Added("[rename]\r\n", "NUL=C:\\A.SYS", 12));
    EXPECT_EQ("[rename]\r\nNUL=C:\\A.SYS\r\n", Added("[rename]\r\n", "NUL=C:\\A.SYS", 24));
}
