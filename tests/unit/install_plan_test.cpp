#include <gtest/gtest.h>
#include <cstring>
#include <string>
#include <vector>

#include "../support/code_pages.h"
#include "install/install_plan.h"

namespace {

SetupState State(OsKind kind, const char* sourceDir = "D:\\Disc") {
    SetupState s{};
    s.osKind = kind;
    strcpy(s.sourceDir, sourceDir);
    strcpy(s.windowsDir, "C:\\WINDOWS");
    strcpy(s.systemDir, "C:\\WINDOWS\\SYSTEM");
    strcpy(s.infPath, "\\Win2K\\zelk.inf");
    strcpy(s.infPathDisk, "\\Win98\\zelkdisk.inf");
    strcpy(s.drvPathSys, "\\Win98\\zelk.sys");
    strcpy(s.drvPathPdr, "\\Win98\\zelk.pdr");
    strcpy(s.fileNameSys, "zelk.sys");
    strcpy(s.fileNamePdr, "zelk.pdr");
    strcpy(s.fileNameInfDisk, "zelkdisk.inf");
    strcpy(s.fileNameIcon, "ZELKI_J.dll");
    strcpy(s.hardwareId, "USB\\VID_1A2B&PID_3C4D");
    strcpy(s.vendorEntry, "Vid_1a2b&Pid_3c4d");
    return s;
}

InstallPlan Plan(const SetupState& s) {
    InstallPlan plan;
    memset(&plan, 0x5A, sizeof plan);   // nothing may be left over from before
    PlanInstallation(s, plan);
    return plan;
}

std::vector<std::string> Copies(const InstallPlan& plan) {
    std::vector<std::string> copies;
    for (int i = 0; i < plan.copyCount; ++i) {
        copies.push_back(std::string(plan.copies[i].source) + " > " + plan.copies[i].destination);
    }
    return copies;
}

const std::string SYS_COPY = "D:\\Disc\\Win98\\zelk.sys > C:\\WINDOWS\\system32\\drivers\\zelk.sys";
const std::string PDR_COPY = "D:\\Disc\\Win98\\zelk.pdr > C:\\WINDOWS\\SYSTEM\\iosubsys\\zelk.pdr";
const std::string INF_COPY = "D:\\Disc\\Win98\\zelkdisk.inf > C:\\WINDOWS\\inf\\zelkdisk.inf";
const std::string ICON_COPY = "D:\\Disc\\ZELKI_J.dll > C:\\WINDOWS\\ZELKI_J.dll";

}  // namespace

TEST(InstallPlan, EachFamilyGetsItsHelperCommandLineAndCopies) {
    const char* id = "USB\\VID_1A2B&PID_3C4D";
    const char* entry = "Vid_1a2b&Pid_3c4d";
    struct {
        OsKind kind;
        const char* helper;
        const char* device;   // null: the Windows 98 form
        bool trayMonitor;
    } cases[] = {
        {OS_UNSUPPORTED, "Tarnel98.exe", nullptr, true}, {OS_WIN98, "Tarnel98.exe", nullptr, true},
        {OS_WINME, "Tarnel2k.exe", id, true},             {OS_WIN2000, "Tarnel2k.exe", entry, false},
        {OS_WINXP, "Tarnel2k.exe", entry, false},         {OS_WINXP64, "Tarnel64.exe", entry, false},
        {OS_VISTA, "Tarnel2k.exe", id, false},            {OS_VISTA64, "Tarnel64.exe", id, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.kind));
        InstallPlan plan = Plan(State(c.kind));
        const std::string helperPath = std::string("D:\\Disc\\") + c.helper;
        EXPECT_STREQ(c.helper, plan.helperName);
        EXPECT_EQ(helperPath, plan.helperPath);
        EXPECT_TRUE(plan.helperRunnable);
        EXPECT_EQ(c.trayMonitor, plan.registerTrayMonitor);
        if (c.trayMonitor) {
            EXPECT_STREQ("D:\\Disc\\TRAYM.exe", plan.trayMonitor.source);
            EXPECT_STREQ("C:\\WINDOWS\\TRAYM.exe", plan.trayMonitor.destination);
        }
        if (!c.device) {
            EXPECT_EQ("\"" + helperPath + "\" \"D:\\Disc\\Win2K\\zelk.inf\" ENUM\\" + id, plan.commandLine);
            EXPECT_STREQ("C:\\WINDOWS\\system32\\drivers\\zelk.sys", plan.driverToUnlock);
            EXPECT_EQ((std::vector<std::string>{SYS_COPY, PDR_COPY, INF_COPY, ICON_COPY}), Copies(plan));
        } else {
            EXPECT_EQ(helperPath + " \"D:\\Disc\\Win2K\\zelk.inf\" " + c.device, plan.commandLine);
            EXPECT_STREQ("", plan.driverToUnlock);
            EXPECT_EQ(std::vector<std::string>{ICON_COPY}, Copies(plan));
        }
    }

    // A blank in the disc's folder: only the Windows 98 form quotes the helper.
    EXPECT_STREQ("\"C:\\My Disc\\Tarnel98.exe\" \"C:\\My Disc\\Win2K\\zelk.inf\" ENUM\\USB\\VID_1A2B&PID_3C4D",
                 Plan(State(OS_WIN98, "C:\\My Disc")).commandLine);
    EXPECT_STREQ("C:\\My Disc\\Tarnel2k.exe \"C:\\My Disc\\Win2K\\zelk.inf\" Vid_1a2b&Pid_3c4d",
                 Plan(State(OS_WINXP, "C:\\My Disc")).commandLine);
}

TEST(InstallPlan, NamesThatAreNotBareDropOnlyTheirCopy) {
    SetupState s = State(OS_WIN98);
    strcpy(s.fileNameSys, "..\\..\\evil.sys");
    InstallPlan plan = Plan(s);
    EXPECT_STREQ("", plan.driverToUnlock);
    EXPECT_EQ((std::vector<std::string>{PDR_COPY, INF_COPY, ICON_COPY}), Copies(plan));

    s = State(OS_WIN98);
    strcpy(s.fileNamePdr, "sub\\x");
    strcpy(s.fileNameInfDisk, "..");
    EXPECT_EQ((std::vector<std::string>{SYS_COPY, ICON_COPY}), Copies(Plan(s)));

    s = State(OS_WIN98);
    strcpy(s.fileNameIcon, "C:\\x.dll");
    EXPECT_EQ((std::vector<std::string>{SYS_COPY, PDR_COPY, INF_COPY}), Copies(Plan(s)));
    s.osKind = OS_VISTA64;
    EXPECT_EQ(0, Plan(s).copyCount);

    // "表" in code page 932 ends in 0x5C, which is no separator there.
    strcpy(s.fileNameIcon, "\x95\x5C.dll");
    EXPECT_EQ(0, Plan(s).copyCount);
    s.isLeadByte = support::ShiftJisLeadByte;
    EXPECT_EQ(std::vector<std::string>{"D:\\Disc\\\x95\x5C.dll > C:\\WINDOWS\\\x95\x5C.dll"}, Copies(Plan(s)));
}

TEST(InstallPlan, UnknownFoldersAreNeverTheDrivesRoot) {
    // Without the disc's folder nothing is run, registered or copied.
    for (OsKind kind : {OS_WIN98, OS_WINME, OS_WINXP}) {
        SCOPED_TRACE(int(kind));
        InstallPlan plan = Plan(State(kind, ""));
        EXPECT_FALSE(plan.helperRunnable);
        EXPECT_STREQ("", plan.helperPath);
        EXPECT_STREQ("", plan.commandLine);
        EXPECT_STREQ("", plan.driverToUnlock);
        EXPECT_FALSE(plan.registerTrayMonitor);
        EXPECT_EQ(0, plan.copyCount);
    }
    // Without the Windows or system folder, only what goes there is dropped.
    SetupState s = State(OS_WIN98);
    s.windowsDir[0] = '\0';
    InstallPlan plan = Plan(s);
    EXPECT_TRUE(plan.helperRunnable);
    EXPECT_STREQ("", plan.driverToUnlock);
    EXPECT_FALSE(plan.registerTrayMonitor);
    EXPECT_EQ(std::vector<std::string>{PDR_COPY}, Copies(plan));
    s = State(OS_WIN98);
    s.systemDir[0] = '\0';
    EXPECT_EQ((std::vector<std::string>{SYS_COPY, INF_COPY, ICON_COPY}), Copies(Plan(s)));
}

TEST(InstallPlan, WhatDoesNotFitIsNeitherRunNorCopied) {
    const std::string longDisc = "D:\\" + std::string(247, 'd');   // 250 characters
    for (OsKind kind : {OS_WIN98, OS_WINME, OS_WINXP, OS_VISTA64}) {
        SCOPED_TRACE(int(kind));
        InstallPlan plan = Plan(State(kind, longDisc.c_str()));
        EXPECT_FALSE(plan.helperRunnable);
        EXPECT_EQ(0, plan.copyCount);   // every source lies below the disc's folder
    }

    // The command line alone too long: 259 characters run, 260 do not.
    SetupState s = State(OS_VISTA);
    const size_t rest = strlen("D:\\Disc\\Tarnel2k.exe \"D:\\Disc\" USB\\VID_1A2B&PID_3C4D");
    std::string inf = "\\" + std::string(TEXT_SIZE - 1 - rest - 1, 'i');
    strcpy(s.infPath, inf.c_str());
    InstallPlan plan = Plan(s);
    EXPECT_TRUE(plan.helperRunnable);
    EXPECT_EQ(TEXT_SIZE - 1, strlen(plan.commandLine));
    strcat(s.infPath, "i");
    plan = Plan(s);
    EXPECT_FALSE(plan.helperRunnable);
    EXPECT_EQ(1, plan.copyCount);   // the icon library does not depend on the command line

    // A destination folder too long drops just the copies below it.
    s = State(OS_WIN98);
    strcpy(s.systemDir, std::string(TEXT_SIZE - 5, 's').c_str());
    EXPECT_EQ((std::vector<std::string>{SYS_COPY, INF_COPY, ICON_COPY}), Copies(Plan(s)));
}
