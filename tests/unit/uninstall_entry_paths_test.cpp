#include <gtest/gtest.h>
#include <cstring>
#include <string>

#include "../support/code_pages.h"
#include "install/uninstall_entry_paths.h"

namespace {

SetupState State(const char* vendor, const char* product) {
    SetupState s{};
    strcpy(s.programsDir, "C:\\Start Menu\\Programs");
    strcpy(s.programFilesDir, "C:\\Program Files");
    strcpy(s.vendorName, vendor);
    strcpy(s.productName, product);
    return s;
}

}  // namespace

TEST(UninstallEntryPaths, VendorAndProductFolders) {
    UninstallEntryPaths p;
    ASSERT_TRUE(ComposeUninstallEntryPaths(State("Acme", "Reader"), p));
    EXPECT_TRUE(p.hasProductFolder);
    EXPECT_STREQ("C:\\Start Menu\\Programs\\Acme", p.menuVendorFolder);
    EXPECT_STREQ("C:\\Program Files\\Acme", p.programVendorFolder);
    EXPECT_STREQ("C:\\Start Menu\\Programs\\Acme\\Reader", p.menuFolder);
    EXPECT_STREQ("C:\\Program Files\\Acme\\Reader", p.programFolder);
    EXPECT_STREQ("C:\\Program Files\\Acme\\Reader\\Setup.exe", p.copiedProgram);
    EXPECT_STREQ("C:\\Program Files\\Acme\\Reader\\Setup.ini", p.copiedConfiguration);
    EXPECT_STREQ("C:\\Start Menu\\Programs\\Acme\\Reader\\Uninstall.lnk", p.shortcut);

    // Without a product name everything lives in the vendor folders.
    ASSERT_TRUE(ComposeUninstallEntryPaths(State("Acme", ""), p));
    EXPECT_FALSE(p.hasProductFolder);
    EXPECT_STREQ("C:\\Start Menu\\Programs\\Acme", p.menuFolder);
    EXPECT_STREQ("C:\\Program Files\\Acme", p.programFolder);
    EXPECT_STREQ("C:\\Program Files\\Acme\\Setup.exe", p.copiedProgram);
    EXPECT_STREQ("C:\\Start Menu\\Programs\\Acme\\Uninstall.lnk", p.shortcut);

    // "一覧表" in code page 932 ends in 0x5C: a folder of its own, not two.
    SetupState japanese = State("Acme", "\x88\xea\x97\x97\x95\x5c");
    EXPECT_FALSE(ComposeUninstallEntryPaths(japanese, p));   // in a single-byte code page
    japanese.isLeadByte = support::ShiftJisLeadByte;
    ASSERT_TRUE(ComposeUninstallEntryPaths(japanese, p));
    EXPECT_STREQ("C:\\Start Menu\\Programs\\Acme\\\x88\xea\x97\x97\x95\x5c\\Uninstall.lnk", p.shortcut);
}

TEST(UninstallEntryPaths, RefusesNamesLeadingOutAndPathsThatDoNotFit) {
    UninstallEntryPaths p;
    for (const char* bad : {"..\\..", "C:\\x", "\\abs", "..", ""}) {
        EXPECT_FALSE(ComposeUninstallEntryPaths(State(bad, "Reader"), p)) << "vendor " << bad;
        if (*bad) EXPECT_FALSE(ComposeUninstallEntryPaths(State("Acme", bad), p)) << "product " << bad;
    }
    // An unknown base folder would put the entry at the root of the current drive.
    SetupState noMenu = State("Acme", "Reader");
    noMenu.programsDir[0] = '\0';
    EXPECT_FALSE(ComposeUninstallEntryPaths(noMenu, p));
    SetupState noProgramFiles = State("Acme", "Reader");
    noProgramFiles.programFilesDir[0] = '\0';
    EXPECT_FALSE(ComposeUninstallEntryPaths(noProgramFiles, p));

    // The longest path that fits, and one character more.
    SetupState s = State("Acme", "Reader");
    std::string programFiles(TEXT_SIZE - 1 - strlen("\\Acme\\Reader\\Setup.exe") + 1, 'p');
    strcpy(s.programFilesDir, programFiles.c_str());
    EXPECT_FALSE(ComposeUninstallEntryPaths(s, p));
    programFiles.pop_back();
    strcpy(s.programFilesDir, programFiles.c_str());
    ASSERT_TRUE(ComposeUninstallEntryPaths(s, p));
    EXPECT_EQ(TEXT_SIZE - 1, strlen(p.copiedProgram));
}
