#include <gtest/gtest.h>
#include <cstring>
#include <string>
#include <vector>

#include "../support/code_pages.h"
#include "setting_values.h"
#include "install/add_remove_entry_plan.h"
#include "text/bounded_text.h"
#include "setup_version.h"

namespace {

const std::string UNINSTALL = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

SetupState State(const std::string& vendor, const std::string& product,
                 const std::string& programFiles = "C:\\Program Files") {
    SetupState s{};
    EXPECT_TRUE(CopyText(s.programsDir, "C:\\Start Menu\\Programs")) << "too long for s.programsDir";
    EXPECT_TRUE(CopyText(s.programFilesDir, programFiles.c_str())) << "too long for s.programFilesDir";
    EXPECT_TRUE(CopyText(s.vendorName, vendor.c_str())) << "too long for s.vendorName";
    EXPECT_TRUE(CopyText(s.productName, product.c_str())) << "too long for s.productName";
    return s;
}

std::vector<std::string> Values(const AddRemoveEntry& e) { return Described(e.values, e.count); }

// Composed over a buffer full of junk, as the stack would hold it.
bool Compose(const SetupState& s, AddRemoveEntry& e) {
    memset(&e, 0x5A, sizeof e);
    return ComposeAddRemoveEntry(s, e);
}

void ExpectNoEntry(const SetupState& s, const std::string& why) {
    AddRemoveEntry e;
    EXPECT_FALSE(Compose(s, e)) << why;
    EXPECT_EQ(0, e.count) << why;
    EXPECT_STREQ("", e.key) << why;
    EXPECT_STREQ("", e.values[0].text) << why;
}

}  // namespace

TEST(AddRemoveEntryPlan, KeyAndValuesOfTheUninstallFolder) {
    AddRemoveEntry e;
    ASSERT_TRUE(Compose(State("Acme", "Card Reader"), e));
    EXPECT_STREQ("Acme Card Reader", e.keyName);
    EXPECT_EQ(UNINSTALL + "Acme Card Reader", e.key);
    const std::string copy = "C:\\Program Files\\Acme\\Card Reader\\Setup.exe";
    const std::vector<std::string> values = {
        "DisplayName=Acme Card Reader",
        "UninstallString=\"" + copy + "\" -u",
        "QuietUninstallString=\"" + copy + "\" -q -u",
        "DisplayIcon=" + copy + ",4",
        "DisplayVersion=" SETUP_VERSION_TEXT,
        "Publisher=Acme",
        "InstallLocation=C:\\Program Files\\Acme\\Card Reader",
        "NoModify#1",
        "NoRepair#1",
    };
    EXPECT_EQ(values, Values(e));
    EXPECT_EQ("UninstallString", std::string(e.values[UNINSTALL_STRING_VALUE].name));
    for (int i = 0; i < e.count; ++i) {
        bool listed = false;
        for (const char* name : ADD_REMOVE_VALUE_NAMES) listed = listed || strcmp(name, e.values[i].name) == 0;
        EXPECT_TRUE(listed) << e.values[i].name << ": a removal would leave it";
    }

    // Without a product the vendor names it all.
    ASSERT_TRUE(Compose(State("Acme", ""), e));
    EXPECT_EQ(UNINSTALL + "Acme", e.key);
    EXPECT_EQ("DisplayName=Acme", Values(e)[0]);
    EXPECT_EQ("InstallLocation=C:\\Program Files\\Acme", Values(e)[6]);

    // A vendor's sub-folder is no sub-key.
    ASSERT_TRUE(Compose(State("Acme\\Readers", "Card/Writer"), e));
    EXPECT_EQ(UNINSTALL + "Acme Readers Card Writer", e.key);
    EXPECT_EQ("DisplayName=Acme Readers Card Writer", Values(e)[0]);
    EXPECT_EQ("Publisher=Acme\\Readers", Values(e)[5]);

    // "一覧表" in code page 932 ends in the byte of a backslash, which is no separator there.
    SetupState japanese = State("Acme", "\x88\xea\x97\x97\x95\x5c");
    japanese.isLeadByte = support::ShiftJisLeadByte;
    ASSERT_TRUE(Compose(japanese, e));
    EXPECT_EQ(UNINSTALL + "Acme \x88\xea\x97\x97\x95\x5c", e.key);
}

TEST(AddRemoveEntryPlan, NoEntryForRefusedNamesNorForWhatDoesNotFit) {
    for (const char* bad : {"..\\..", "C:\\x", "\\abs", ".."}) {
        ExpectNoEntry(State(bad, "Reader"), std::string("vendor ") + bad);
        ExpectNoEntry(State("Acme", bad), std::string("product ") + bad);
    }
    ExpectNoEntry(State("Acme", "Reader", ""), "an unknown Program Files");

    // The key's path fits 259 characters, and the name then stays within the registry's 255.
    AddRemoveEntry e;
    const size_t longestName = TEXT_SIZE - 1 - UNINSTALL.size();
    ASSERT_TRUE(Compose(State(std::string(longestName, 'v'), ""), e));
    EXPECT_EQ(TEXT_SIZE - 1, strlen(e.key));
    EXPECT_LE(strlen(e.keyName), 255u);
    ExpectNoEntry(State(std::string(longestName + 1, 'v'), ""), "a key name one character too long");

    // The longest value is the quiet command line: it fits exactly, or there is no entry.
    const std::string folder = "\\Acme\\Reader\\Setup.exe";
    std::string programFiles(TEXT_SIZE - 1 - folder.size() - strlen("\"\" -q -u"), 'p');
    ASSERT_TRUE(Compose(State("Acme", "Reader", programFiles), e));
    EXPECT_EQ(TEXT_SIZE - 1, strlen(e.values[2].text));
    ExpectNoEntry(State("Acme", "Reader", programFiles + "p"), "a quiet command line one character too long");
}
