#include <gtest/gtest.h>
#include <cstring>
#include <string>
#include <vector>

#include "remove/removal_plan.h"

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
}

TEST(RemovalPlan, InfStemOfTheDriverStoreCopy) {
    struct { const char *infPath, *stem; } cases[] = {   // stem null: nothing to delete
        {"oem12.inf", "oem12"}, {"oem3.INF", "oem3"},        {"x.inf", "x"},
        {"usbstor.inf", nullptr}, {"USBSTOR.INF", nullptr},  {"a.in", nullptr},
        {"", nullptr},          {"..\\..\\boot.ini", nullptr}, {"C:oem1.inf", nullptr},
    };
    for (const auto& c : cases) {
        char stem[32];
        EXPECT_EQ(c.stem != nullptr, InfStemToDelete(c.infPath, stem, sizeof stem)) << c.infPath;
        if (c.stem) EXPECT_STREQ(c.stem, stem);
    }
    char small[6];   // "oem12" fits exactly, "oem123" does not
    EXPECT_TRUE(InfStemToDelete("oem12.inf", small, sizeof small));
    EXPECT_STREQ("oem12", small);
    memset(small, '#', sizeof small);
    EXPECT_FALSE(InfStemToDelete("oem123.inf", small, sizeof small));
    EXPECT_STREQ("", small);
    EXPECT_FALSE(InfStemToDelete("oem12.inf", small, 0));
}

TEST(RemovalPlan, DefaultIconNamesOurLibrary) {
    for (const char* value : {"C:\\WINDOWS\\ZELKI_J.dll,3", "\"C:\\Program Files\\x\\zelki_j.DLL\",0", "ZELKI_J.dll",
                              "\"C:\\Program Files\\x\\ZELKI_J.dll\"", "\"C:\\Acme, Inc\\ZELKI_J.dll\"",
                              "C:\\Acme, Inc\\ZELKI_J.dll,1", "C:ZELKI_J.dll"}) {
        EXPECT_TRUE(DefaultIconNamesLibrary(value, "ZELKI_J.dll")) << value;
    }
    for (const char* value : {"C:\\other.dll,0", "C:\\ZELKI_J.dll.bak,1", "C:\\xZELKI_J.dll,1", "", "\"\""}) {
        EXPECT_FALSE(DefaultIconNamesLibrary(value, "ZELKI_J.dll")) << value;
    }
    for (const char* library : {"", "..\\ZELKI_J.dll", "WINDOWS\\ZELKI_J.dll"}) {
        EXPECT_FALSE(DefaultIconNamesLibrary("C:\\WINDOWS\\ZELKI_J.dll,3", library)) << library;
    }
}
