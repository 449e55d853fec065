#include <gtest/gtest.h>
#include <cstring>
#include <string>
#include <vector>

#include "../support/code_pages.h"
#include "remove/removal_plan.h"

using support::ShiftJisLeadByte;

namespace {

SetupState State(OsKind kind) {
    SetupState s{};
    s.osKind = kind;
    strcpy(s.windowsDir, "C:\\WINDOWS");
    strcpy(s.systemDir, "C:\\WINDOWS\\SYSTEM");
    strcpy(s.fileNamePdr, "zelk.pdr");
    strcpy(s.fileNameInf, "zelk.inf");
    strcpy(s.infProviderName, "Jov");
    strcpy(s.fileNameInfDisk, "zelkdisk.inf");
    strcpy(s.fileNameSys, "zelk.sys");
    strcpy(s.fileNameIcon, "ZELKI_J.dll");
    return s;
}

// Each deletion as its path, with " (drivers)" for the real system drivers folder.
std::vector<std::string> Paths(const FileDeletion* files, int count) {
    std::vector<std::string> paths;
    for (int i = 0; i < count; ++i) {
        paths.push_back(std::string(files[i].path) + (files[i].inSystemDriversFolder ? " (drivers)" : ""));
    }
    return paths;
}

InstalledFiles Plan(const SetupState& s) {
    InstalledFiles plan;
    memset(&plan, 0x5A, sizeof plan);
    PlanInstalledFileDeletion(s, plan);
    return plan;
}

const std::vector<std::string> DRIVER_FILES = {"C:\\WINDOWS\\system32\\drivers\\zelk.sys (drivers)",
                                               "C:\\WINDOWS\\ZELKI_J.dll"};

}  // namespace

TEST(RemovalPlan, InstalledFilesOfEachFamily) {
    const std::vector<std::string> windows9x = {"C:\\WINDOWS\\SYSTEM\\iosubsys\\zelk.pdr",
                                                "C:\\WINDOWS\\inf\\other\\Jovzelk.inf", "C:\\WINDOWS\\inf\\zelkdisk.inf"};
    for (OsKind kind : {OS_UNSUPPORTED, OS_WIN98, OS_WINME, OS_WIN2000, OS_WINXP, OS_WINXP64, OS_VISTA, OS_VISTA64}) {
        InstalledFiles plan = Plan(State(kind));
        EXPECT_EQ(kind < OS_WIN2000 ? windows9x : std::vector<std::string>{},
                  Paths(plan.windows9xFiles, plan.windows9xCount)) << int(kind);
        EXPECT_EQ(DRIVER_FILES, Paths(plan.driverFiles, plan.driverCount));
    }

    // Names that would lead out of their folders are left out, the others stay.
    SetupState s = State(OS_WIN98);
    strcpy(s.fileNamePdr, "..\\..\\boot.ini");
    strcpy(s.infProviderName, "..\\");
    strcpy(s.fileNameSys, "C:\\x.sys");
    InstalledFiles plan = Plan(s);
    EXPECT_EQ(std::vector<std::string>{"C:\\WINDOWS\\inf\\zelkdisk.inf"},
              Paths(plan.windows9xFiles, plan.windows9xCount));
    EXPECT_EQ(std::vector<std::string>{"C:\\WINDOWS\\ZELKI_J.dll"}, Paths(plan.driverFiles, plan.driverCount));

    // A folder the system could not give would be the current drive's root: nothing there.
    s = State(OS_WIN98);
    s.windowsDir[0] = '\0';
    plan = Plan(s);
    EXPECT_EQ(std::vector<std::string>{"C:\\WINDOWS\\SYSTEM\\iosubsys\\zelk.pdr"},
              Paths(plan.windows9xFiles, plan.windows9xCount));
    EXPECT_EQ(0, plan.driverCount);
    s = State(OS_WIN98);
    s.systemDir[0] = '\0';
    EXPECT_EQ(2, Plan(s).windows9xCount);
}

TEST(RemovalPlan, InfStemOfTheDriverStoreCopy) {
    struct { const char *infPath, *stem; } cases[] = {   // stem null: nothing to delete
        {"oem12.inf", "oem12"}, {"oem3.INF", "oem3"},        {"x.inf", "x"},
        {"usbstor.inf", nullptr}, {"USBSTOR.INF", nullptr},  {"a.in", nullptr},
        {"", nullptr},          {"..\\..\\boot.ini", nullptr}, {"C:oem1.inf", nullptr},
    };
    for (const auto& c : cases) {
        char stem[32];
        EXPECT_EQ(c.stem != nullptr, InfStemToDelete(c.infPath, nullptr, stem, sizeof stem)) << c.infPath;
        if (c.stem) EXPECT_STREQ(c.stem, stem);
    }
    char small[6];   // "oem12" fits exactly, "oem123" does not
    EXPECT_TRUE(InfStemToDelete("oem12.inf", nullptr, small, sizeof small));
    EXPECT_STREQ("oem12", small);
    memset(small, '#', sizeof small);
    EXPECT_FALSE(InfStemToDelete("oem123.inf", nullptr, small, sizeof small));
    EXPECT_STREQ("", small);
    EXPECT_FALSE(InfStemToDelete("oem12.inf", nullptr, small, 0));
}

TEST(RemovalPlan, DefaultIconNamesOurLibrary) {
    for (const char* value : {"C:\\WINDOWS\\ZELKI_J.dll,3", "\"C:\\Program Files\\x\\zelki_j.DLL\",0", "ZELKI_J.dll",
                              "\"C:\\Program Files\\x\\ZELKI_J.dll\"", "\"C:\\Acme, Inc\\ZELKI_J.dll\"",
                              "C:\\Acme, Inc\\ZELKI_J.dll,1", "C:ZELKI_J.dll"}) {
        EXPECT_TRUE(DefaultIconNamesLibrary(value, "ZELKI_J.dll", nullptr)) << value;
    }
    for (const char* value : {"C:\\other.dll,0", "C:\\ZELKI_J.dll.bak,1", "C:\\xZELKI_J.dll,1", "", "\"\""}) {
        EXPECT_FALSE(DefaultIconNamesLibrary(value, "ZELKI_J.dll", nullptr)) << value;
    }
    for (const char* library : {"", "..\\ZELKI_J.dll", "WINDOWS\\ZELKI_J.dll"}) {
        EXPECT_FALSE(DefaultIconNamesLibrary("C:\\WINDOWS\\ZELKI_J.dll,3", library, nullptr)) << library;
    }
}

TEST(RemovalPlan, DoubleByteNamesAreReadByCharacters) {
    // "表" in code page 932 ends in 0x5C: one character of the name, not a separator.
    EXPECT_FALSE(DefaultIconNamesLibrary("C:\\\x95\x5CZELKI_J.dll,3", "ZELKI_J.dll", ShiftJisLeadByte));
    EXPECT_TRUE(DefaultIconNamesLibrary("C:\\\x95\x5CZELKI_J.dll,3", "ZELKI_J.dll", nullptr));
    EXPECT_TRUE(DefaultIconNamesLibrary("\"C:\\\x95\x5C\\\x95\x5C.DLL\",0", "\x95\x5C.dll", ShiftJisLeadByte));
    // Letter case is ASCII's alone: "ア" (83 41) is not "ヂ" (83 61).
    EXPECT_FALSE(DefaultIconNamesLibrary("C:\\W\\\x83\x61.dll,0", "\x83\x41.dll", ShiftJisLeadByte));

    char stem[16];
    EXPECT_TRUE(InfStemToDelete("\x95\x5C.inf", ShiftJisLeadByte, stem, sizeof stem));
    EXPECT_STREQ("\x95\x5C", stem);
    EXPECT_FALSE(InfStemToDelete("\x95\x5C.inf", nullptr, stem, sizeof stem));
    // Four bytes off the end would cut "表" in two.
    EXPECT_FALSE(InfStemToDelete("ab\x95\x5Cinf", ShiftJisLeadByte, stem, sizeof stem));
    EXPECT_STREQ("", stem);

    SetupState s = State(OS_WIN98);
    s.isLeadByte = ShiftJisLeadByte;
    strcpy(s.fileNameIcon, "\x95\x5C.dll");
    InstalledFiles plan = Plan(s);
    ASSERT_EQ(2, plan.driverCount);
    EXPECT_STREQ("C:\\WINDOWS\\\x95\x5C.dll", plan.driverFiles[1].path);
}
