#include <gtest/gtest.h>

#include "app/file_names.h"

TEST(FileNames, OnlyBareNamesMayGoIntoSystemFolders) {
    for (const char* name : {"ZELKI_J.dll", "oem12.inf", "a b.sys", "x..", ".hidden"}) {
        EXPECT_TRUE(IsBareFileName(name)) << name;
    }
    for (const char* name : {"", ".", "..", "..\\x.dll", "C:x.dll", "sub\\x.sys", "a/b", "\\x", "x\\"}) {
        EXPECT_FALSE(IsBareFileName(name)) << name;
    }
    EXPECT_FALSE(IsBareFileName(nullptr));
}

TEST(FileNames, FolderPathsStayBelowTheirBase) {
    for (const char* path : {"Acme", "Acme\\Card Reader", "Acme/Reader", "Acme\\..x"}) {
        EXPECT_TRUE(IsRelativeFolderPath(path)) << path;
    }
    for (const char* path : {"", "\\Acme", "/Acme", "C:\\Acme", "Acme:x", "Acme\\..\\..", "..", ".", ".\\x",
                             "Acme\\.", "Acme\\", "Acme\\\\B", "Acme/\\B"}) {
        EXPECT_FALSE(IsRelativeFolderPath(path)) << path;
    }
    EXPECT_FALSE(IsRelativeFolderPath(nullptr));
}
