// The environment probe in the Windows family the test runs under (tools/wine-run --family).
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "state/environment_probe.h"
#include "state/setup_state.h"
#include "files.h"
#include "process.h"
#include "disc.h"
#include "names.h"

using namespace support;

TEST(EnvironmentProbe, ClassifiesTheRunningWindowsAndFindsItsFolders) {
    const std::string family = WindowsFamily();
    const std::map<std::string, OsKind> kinds = {
        {"win98", OS_WIN98},     {"winme", OS_WINME},      {"win2k", OS_WIN2000}, {"winxp", OS_WINXP},
        {"winxp64", OS_WINXP64}, {"win2003", OS_WINXP64},  {"vista", OS_VISTA},   {"win7", OS_VISTA},
    };
    ASSERT_TRUE(kinds.count(family)) << "run under tools/wine-run --family, not '" << family << "'";
    OsKind expected = kinds.at(family);
    // 6.x on an x64 processor is the 64-bit Vista family.
    if (expected == OS_VISTA && Is64BitWindows()) expected = OS_VISTA64;
    setupState = SetupState();
    setupState.osKind = DetectOsKind();
    auto named = [&](OsKind kind) {
        std::string name = kind == OS_VISTA64 ? "vista64" : "not a family";
        for (const auto& entry : kinds) {
            if (entry.second == kind) name = entry.first;
        }
        return std::to_string(kind) + " (" + name + ")";
    };
    EXPECT_EQ(named(expected), named(setupState.osKind)) << family;

    FindSystemFolders();
    EXPECT_EQ(WindowsDir(), setupState.windowsDir);
    EXPECT_EQ(SystemDir(), setupState.systemDir);
    EXPECT_EQ(BinDir(), setupState.sourceDir);   // the running program's folder, no trailing backslash
    EXPECT_EQ(ProgramsDir(), setupState.programsDir);
    EXPECT_NE("", ProgramsDir());
    if (expected == OS_WIN98) {
        EXPECT_STREQ("C:\\Progra~1", setupState.programFilesDir);
    } else {
        EXPECT_EQ(ProgramFilesDir(), setupState.programFilesDir);
        EXPECT_EQ(RunsUnderWow64() ? "C:\\Program Files (x86)" : "C:\\Program Files",
                  std::string(setupState.programFilesDir));
    }
}

TEST(SystemLanguage, LocalizedTextsOnlyForTheListedLanguages) {
    // The locale tools/wine-run --lang gave this process, and what Windows makes of it.
    char locale[64] = {};
    GetEnvironmentVariableA("LC_ALL", locale, sizeof locale);
    const std::map<std::string, std::pair<unsigned, bool>> expected = {
        {"de_DE.UTF-8", {1031, true}},  {"es_ES.UTF-8", {3082, true}}, {"en_US.UTF-8", {1033, false}},
        {"de_CH.UTF-8", {2055, false}}, {"de_AT.UTF-8", {3079, false}},
    };
    ASSERT_TRUE(expected.count(locale)) << "run under tools/wine-run --lang, not '" << locale << "'";
    EXPECT_EQ(LanguageName(static_cast<LANGID>(expected.at(locale).first)), LanguageName(GetSystemDefaultLangID()));
    EXPECT_EQ(expected.at(locale).second, UseLocalizedUi()) << locale;
}
