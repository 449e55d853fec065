#include <gtest/gtest.h>
#include <cstring>

#include "com/registration_request.h"

namespace {

bool NoLeadBytes(unsigned char) { return false; }
bool ShiftJisLike(unsigned char byte) { return byte >= 0x81 && byte <= 0x9F; }

}  // namespace

TEST(RegistrationRequest, TakesOnlyTheLastWordOfTheLine) {
    struct Case {
        const char* line;
        ComRequest expected;
    } cases[] = {
        {"C:\\Disc\\Setup.exe /RegServer", ComRequest::Register},
        {"\"C:\\Disc\\Setup.exe\" -unregserver", ComRequest::Unregister},
        {"Setup.exe -UnregServer", ComRequest::Unregister},
        {"Setup.exe /UNREGSERVER", ComRequest::Unregister},
        {"C:\\Disc\\Setup.exe /RegServer -q", ComRequest::None},
        {"C:\\Disc\\Setup.exe /RegServer ", ComRequest::None},
        {"C:\\Disc\\Setup.exe RegServer", ComRequest::None},
        {"C:\\My-Disc\\Setup.exe", ComRequest::None},
        {"C:\\Disc\\Setup.exe -", ComRequest::None},
        {"", ComRequest::None},
        {nullptr, ComRequest::None},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.expected, FindComRequest(c.line)) << (c.line ? c.line : "(null)");
    }
}

TEST(RegistrationRequest, PlacesTheTypeLibraryBesideTheProgram) {
    struct Case {
        const char* path;
        LeadBytePredicate isLeadByte;
        const char* expected;
    } cases[] = {
        {"C:\\Disc\\Setup.exe", NoLeadBytes, "C:\\Disc\\Setup.tlb"},
        {"C:\\Disc.v2\\Setup", NoLeadBytes, "C:\\Disc.v2\\Setup.tlb"},
        {"C:\\Disc\\Setup.tar.exe", NoLeadBytes, "C:\\Disc\\Setup.tar.tlb"},
        {"C:/Disc.v2/Setup", NoLeadBytes, "C:/Disc.v2/Setup.tlb"},
        {"C:\\\x95\x5C.exe", ShiftJisLike, "C:\\\x95\x5C.tlb"},
        // The second byte of the double-byte character is no separator: the dot before it counts.
        {"C:\\Disc\\Setup.\x95\x5C", ShiftJisLike, "C:\\Disc\\Setup.tlb"},
        {"C:\\Disc\\Setup.\x95\x5C", NoLeadBytes, "C:\\Disc\\Setup.\x95\x5C.tlb"},
        {"C:\\Disc\\Setup.\x95", ShiftJisLike, "C:\\Disc\\Setup.tlb"},  // lone lead byte at the end
    };
    for (const Case& c : cases) {
        char dst[64];
        EXPECT_TRUE(TypeLibraryPathBeside(c.path, c.isLeadByte, dst, sizeof dst)) << c.path;
        EXPECT_STREQ(c.expected, dst);
    }

    // Too small: refused, emptied, nothing written past the given size.
    const char* path = "C:\\Disc\\Setup.exe";   // gives 17 characters
    for (size_t size : {size_t{1}, size_t{5}, size_t{13}, size_t{17}}) {
        char dst[32];
        memset(dst, '#', sizeof dst);
        EXPECT_FALSE(TypeLibraryPathBeside(path, NoLeadBytes, dst, size)) << size;
        EXPECT_EQ('\0', dst[0]) << size;
        for (size_t i = size; i < sizeof dst; ++i) ASSERT_EQ('#', dst[i]) << size;
    }
    char exact[18];
    EXPECT_TRUE(TypeLibraryPathBeside(path, NoLeadBytes, exact, sizeof exact));
    EXPECT_STREQ("C:\\Disc\\Setup.tlb", exact);
    EXPECT_FALSE(TypeLibraryPathBeside(path, NoLeadBytes, exact, 0));
}
