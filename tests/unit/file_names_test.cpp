#include <gtest/gtest.h>

#include <string>

#include "state/file_names.h"
#include "../support/code_pages.h"

using support::Big5LeadByte;
using support::ShiftJisLeadByte;

namespace {
// "一覧表" in code page 932 and "許" in Big5: each ends in a second byte of 0x5C.
const char JAPANESE_LIST[] = "\x88\xea\x97\x97\x95\x5c";
const char CHINESE_XU[] = "\xb3\x5c";
}  // namespace

TEST(FileNames, OnlyBareNamesMayGoIntoSystemFolders) {
    for (const char* name : {"ZELKI_J.dll", "oem12.inf", "a b.sys", "x..", ".hidden", "..x"}) {
        EXPECT_TRUE(IsBareFileName(name, nullptr)) << name;
    }
    // Windows drops trailing dots and blanks: these name the folder or one above it.
    for (const char* name : {"", ".", "..", "...", " ", ". .", ".. ", "..\\x.dll", "C:x.dll", "sub\\x.sys", "a/b",
                             "\\x", "x\\"}) {
        EXPECT_FALSE(IsBareFileName(name, nullptr)) << name;
    }
    EXPECT_FALSE(IsBareFileName(nullptr, nullptr));
}

TEST(FileNames, FolderPathsStayBelowTheirBase) {
    for (const char* path : {"Acme", "Acme\\Card Reader", "Acme/Reader", "Acme\\..x"}) {
        EXPECT_TRUE(IsRelativeFolderPath(path, nullptr)) << path;
    }
    for (const char* path : {"", "\\Acme", "/Acme", "C:\\Acme", "Acme:x", "Acme\\..\\..", "..", ".", ".\\x",
                             "Acme\\.", "Acme\\", "Acme\\\\B", "Acme/\\B", "Acme\\...\\x", "Acme\\.. \\x"}) {
        EXPECT_FALSE(IsRelativeFolderPath(path, nullptr)) << path;
    }
    EXPECT_FALSE(IsRelativeFolderPath(nullptr, nullptr));
}

TEST(FileNames, DoubleByteCharactersAreWalkedWhole) {
    const std::string japanese = JAPANESE_LIST, chinese = CHINESE_XU;
    for (const std::string& name : {japanese, japanese + ".dll", chinese, chinese + chinese + ".inf"}) {
        EXPECT_TRUE(IsBareFileName(name.c_str(), Big5LeadByte)) << name;
        EXPECT_TRUE(IsRelativeFolderPath(("Acme\\" + name).c_str(), Big5LeadByte)) << name;
        // In a single-byte code page the same bytes hold a backslash.
        EXPECT_FALSE(IsBareFileName(name.c_str(), nullptr)) << name;
    }
    EXPECT_TRUE(IsBareFileName(JAPANESE_LIST, ShiftJisLeadByte));
    EXPECT_TRUE(IsRelativeFolderPath((japanese + "\\" + japanese).c_str(), ShiftJisLeadByte));

    // Separators, drives and dot parts between double-byte characters still count; a
    // lead byte without its second byte would swallow the separator composed after it.
    for (const std::string& name : {chinese + "\\..", chinese + ":x", "..\\" + chinese, chinese + "\\" + chinese,
                                    std::string("x\xb3"), chinese + "\xb3"}) {
        EXPECT_FALSE(IsBareFileName(name.c_str(), Big5LeadByte)) << name;
    }
    for (const std::string& path : {chinese + "\\..\\..", "C:\\" + chinese, "\\" + chinese, chinese + "\\",
                                    std::string("Acme\xb3")}) {
        EXPECT_FALSE(IsRelativeFolderPath(path.c_str(), Big5LeadByte)) << path;
    }
}
