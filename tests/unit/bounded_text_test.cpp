#include <gtest/gtest.h>
#include <cstring>

#include "text/bounded_text.h"

TEST(Compose, FillsFormatsWithinTheBuffer) {
    char out[32];
    EXPECT_TRUE(ComposeInto(out, "%s\\%s", "C:\\Disc", "setup.ini"));
    EXPECT_STREQ("C:\\Disc\\setup.ini", out);
    EXPECT_TRUE(ComposeInto(out, "Vendor%d|%d|%u|%c|%%", 8, -12, 4000000000u, 'x'));
    EXPECT_STREQ("Vendor8|-12|4000000000|x|%", out);
}

TEST(Compose, RefusesWhatDoesNotFitAndLeavesNothingBehind) {
    char out[8];
    memset(out, '#', sizeof out);
    EXPECT_TRUE(ComposeInto(out, "%s", "1234567"));   // exactly fits with its terminator
    EXPECT_FALSE(ComposeInto(out, "%s", "12345678"));
    EXPECT_STREQ("", out);
    EXPECT_FALSE(ComposeInto(out, "abc%sdef", "12"));
    EXPECT_STREQ("", out);
    EXPECT_FALSE(Compose(out, 0, "x"));
    EXPECT_FALSE(ComposeInto(out, "%x", 1));   // unknown conversions are refused
    EXPECT_FALSE(ComposeInto(out, "50%"));
}

TEST(Compose, TextHelpers) {
    EXPECT_TRUE(TextEqualsIgnoreCase("-UNINSTALL", "-uninstall"));
    EXPECT_FALSE(TextEqualsIgnoreCase("-u", "-uninstall"));
    EXPECT_FALSE(TextEqualsIgnoreCase("\xC4", "\xE4"));   // only ASCII letters fold
    char id[] = "usb\\vid_aaaa&pid_0001\xE4";
    UpperCaseAscii(id);
    EXPECT_STREQ("USB\\VID_AAAA&PID_0001\xE4", id);
    EXPECT_EQ(nullptr, FindText("IconName", "PID_"));
    EXPECT_STREQ("PID_1&x", FindText("VID_2&PID_1&x", "PID_"));
}
