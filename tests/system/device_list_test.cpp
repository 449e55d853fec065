// Finding and removing device nodes in Wine's real device list.
#include <gtest/gtest.h>

#include "device/device_list.h"
#include "journal/journal.h"
#include "virtual_reader.h"

using namespace support;

TEST(DeviceList, FindsAndRemovesExactlyTheMatchedNode) {
    Journal none;
    VirtualReader reader;                                    // USB\VID_1234&PID_ABCD\6&2A3B4C5D&0&1
    VirtualReader longer{"USB\\VID_1234&PID_ABCDE", "5&11&0&2"};
    VirtualReader second{"USB\\VID_1234&PID_ABCD", "6&99&0&2"};
    char matchedInstanceId[260] = "";
    auto find = [&](const char* pattern) { return FindPresentDevice(pattern, matchedInstanceId, sizeof matchedInstanceId); };

    PlugIn(longer);
    EXPECT_FALSE(find("USB\\VID_1234&PID_ABCD")) << "a longer product id is another model";
    EXPECT_STREQ("", matchedInstanceId);
    EXPECT_FALSE(RemovePresentDevice("USB\\VID_1234&PID_ABCD", none));
    EXPECT_TRUE(IsPluggedIn(longer));
    EXPECT_FALSE(find("")) << "an empty pattern matches nothing";

    PlugIn(reader);
    PlugIn(second);
    ASSERT_TRUE(find("USB\\VID_1234&PID_ABCD"));
    std::string matched = matchedInstanceId;
    EXPECT_TRUE(matched == reader.InstanceId() || matched == second.InstanceId()) << matched;
    EXPECT_FALSE(find("USB\\VID_9999&PID_0000"));
    EXPECT_EQ(matched, matchedInstanceId) << "a search that finds nothing keeps the match";

    EXPECT_TRUE(RemovePresentDevice(matched.c_str(), none));
    const VirtualReader& removed = matched == reader.InstanceId() ? reader : second;
    const VirtualReader& kept = matched == reader.InstanceId() ? second : reader;
    EXPECT_FALSE(IsPluggedIn(removed));
    EXPECT_TRUE(IsPluggedIn(kept));
    EXPECT_TRUE(IsPluggedIn(longer));
    EXPECT_FALSE(RemovePresentDevice(matched.c_str(), none)) << "an unplugged device is not found again";
}
