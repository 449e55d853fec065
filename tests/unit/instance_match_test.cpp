#include <gtest/gtest.h>
#include <cstring>
#include <memory>
#include <string>

#include "device/instance_match.h"

namespace {

const char PATTERN[] = "USB\\VID_1234&PID_ABCD";

// A heap block of exactly the given bytes, so that reading past it is caught.
std::unique_ptr<char[]> Block(const std::string& bytes) {
    std::unique_ptr<char[]> block(new char[bytes.size()]);
    memcpy(block.get(), bytes.data(), bytes.size());
    return block;
}

}  // namespace

TEST(InstanceMatch, MatchesOnlyAtIdBoundaries) {
    struct Case {
        const char* instanceId;
        const char* pattern;
        bool expected;
    } cases[] = {
        {"USB\\VID_1234&PID_ABCD\\6&2A3B4C5D&0&1", PATTERN, true},
        {"USB\\VID_1234&PID_ABCD&MI_00\\7&1C2D&0&0000", PATTERN, true},
        {"USB\\VID_1234&PID_ABCD", PATTERN, true},
        {"ROOT\\USB\\VID_1234&PID_ABCD", PATTERN, true},
        {"USB\\VID_1234&PID_ABCDE\\5&11&0&2", PATTERN, false},
        {"usb\\vid_1234&pid_abcd\\6&2A3B4C5D&0&1", PATTERN, false},
        {"XUSB\\VID_1234&PID_ABCD\\1", PATTERN, false},
        {"USB\\VID_1234&PID_ABC", PATTERN, false},
        {"USB\\VID_1234&PID_ABCD\\6&2A3B4C5D&0&1", "USB\\VID_1234&PID_ABCD\\6&2A3B4C5D&0&1", true},
        {"USB\\VID_1234&PID_ABCD\\1", "", false},
        {"", "", false},
        {"", PATTERN, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.expected, InstanceIdMatches(c.instanceId, c.pattern))
            << c.instanceId << " / " << c.pattern;
    }
}

TEST(InstanceMatch, ScansTheListWithinTheBuffer) {
    using namespace std::string_literals;
    const std::string list = "ROOT\\A\\0\0USB\\VID_1234&PID_ABCD\\7&1\0\0"s;
    auto block = Block(list);
    const char* buffer = block.get();
    EXPECT_EQ(buffer + 9, FindMatchingInstanceId(buffer, list.size(), list.size(), PATTERN));
    EXPECT_EQ(buffer + 9, FindMatchingInstanceId(buffer, list.size(), 1000, PATTERN));
    EXPECT_EQ(nullptr, FindMatchingInstanceId(buffer, list.size(), 9, PATTERN));  // used part ends first
    EXPECT_EQ(nullptr, FindMatchingInstanceId(buffer, list.size(), 0, PATTERN));
    EXPECT_EQ(nullptr, FindMatchingInstanceId(buffer, list.size(), list.size(), "USB\\VID_9999"));

    // An empty string ends the list.
    const std::string ended = "ROOT\\A\0\0USB\\VID_1234&PID_ABCD\0"s;
    auto endedBlock = Block(ended);
    EXPECT_EQ(nullptr, FindMatchingInstanceId(endedBlock.get(), ended.size(), ended.size(), PATTERN));

    // No terminator at all, or none after the last string, and a used size beyond the buffer.
    for (const std::string& bytes : {"USB\\VID_1234&PID_ABCD"s, "ROOT\\A\0USB\\VID_1234&PID_ABCD"s,
                                     "ROOT\\A\0ROOT\\B\0"s}) {
        auto open = Block(bytes);
        EXPECT_EQ(nullptr, FindMatchingInstanceId(open.get(), bytes.size(), bytes.size(), PATTERN));
        EXPECT_EQ(nullptr, FindMatchingInstanceId(open.get(), bytes.size(), bytes.size() + 64, PATTERN));
    }
    // A complete match before an unterminated tail still counts.
    const std::string tail = "USB\\VID_1234&PID_ABCD\\1\0ROOT"s;
    auto tailBlock = Block(tail);
    EXPECT_EQ(tailBlock.get(), FindMatchingInstanceId(tailBlock.get(), tail.size(), tail.size() + 1, PATTERN));
}
