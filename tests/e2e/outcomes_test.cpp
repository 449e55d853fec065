// How a quiet run ends, as a deployment tool sees it: the exit code of each outcome, and
// what the machine holds afterwards. One row per situation and family, each on a fresh
// machine (tests/e2e/CMakeLists.txt reads the rows' names from ROWS).
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "disc.h"
#include "files.h"
#include "footprint.h"
#include "in_use.h"
#include "names.h"
#include "registry.h"
#include "virtual_reader.h"

using namespace support;

namespace {

enum class Before { Fresh, Installed };
enum class Held { Nothing, InstalledFiles, OlderIconLibrary };
enum class After {
    Unchanged,           // nothing of the machine changed
    Installed,           // the installation is there
    RemovedAtRestart,    // all of ours gone but the held files, which go at the restart
    ReplacedAtRestart,   // installed; the held icon library is replaced at the restart
};

struct Row {
    const char* name;
    const char* family;
    Before before;
    bool readerPlugged;
    Rights rights;
    Held held;
    const char* arguments;
    DWORD exitCode;
    After after;
};

const Row ROWS[] = {
    {"NoReaderInstallsNothing_winxp", "winxp", Before::Fresh, false, Rights::Administrator, Held::Nothing, "-q", 4,
     After::Unchanged},
    {"NoReaderInstallsNothing_win7", "win7", Before::Fresh, false, Rights::Administrator, Held::Nothing, "-q", 4,
     After::Unchanged},
    {"NoReaderRemovesNothing_winxp", "winxp", Before::Installed, false, Rights::Administrator, Held::Nothing,
     "-q -u", 4, After::Unchanged},
    {"NothingInstalledNothingToRemove_winxp", "winxp", Before::Fresh, true, Rights::Administrator, Held::Nothing,
     "-q -u", 0, After::Unchanged},
    {"NothingInstalledNothingToRemove_win98", "win98", Before::Fresh, true, Rights::Administrator, Held::Nothing,
     "-q -u", 0, After::Unchanged},
    {"NothingInstalledNothingToRemove_win7", "win7", Before::Fresh, true, Rights::Administrator, Held::Nothing,
     "-q -u", 0, After::Unchanged},
    {"LimitedUserInstallsNothing_win2k", "win2k", Before::Fresh, true, Rights::LimitedUser, Held::Nothing, "-q", 5,
     After::Unchanged},
    {"LimitedUserInstallsNothing_winxp", "winxp", Before::Fresh, true, Rights::LimitedUser, Held::Nothing, "-q", 5,
     After::Unchanged},
    {"LimitedUserRemovesNothing_winxp", "winxp", Before::Installed, true, Rights::LimitedUser, Held::Nothing,
     "-q -u", 5, After::Unchanged},
    // Windows 98 has no user rights: whoever runs Setup installs.
    {"AnyUserInstalls_win98", "win98", Before::Fresh, true, Rights::LimitedUser, Held::Nothing, "-q", 0,
     After::Installed},
    {"FilesInUseGoAtTheRestart_winxp", "winxp", Before::Installed, true, Rights::Administrator, Held::InstalledFiles,
     "-q -u", 3010, After::RemovedAtRestart},
    {"FilesInUseGoAtTheRestart_win98", "win98", Before::Installed, true, Rights::Administrator, Held::InstalledFiles,
     "-q -u", 3010, After::RemovedAtRestart},
    {"FilesInUseGoAtTheRestart_win7", "win7", Before::Installed, true, Rights::Administrator, Held::InstalledFiles,
     "-q -u", 3010, After::RemovedAtRestart},
    {"FileInUseReplacedAtTheRestart_winxp", "winxp", Before::Fresh, true, Rights::Administrator,
     Held::OlderIconLibrary, "-q", 3010, After::ReplacedAtRestart},
    {"FileInUseReplacedAtTheRestart_win98", "win98", Before::Fresh, true, Rights::Administrator,
     Held::OlderIconLibrary, "-q", 3010, After::ReplacedAtRestart},
};

// The real system32's drivers folder, as this process names it.
std::string RealDriversFolder() {
    return WindowsDir() + (RunsUnderWow64() ? "\\Sysnative\\drivers" : "\\system32\\drivers");
}

// The system's queue holds this operation; otherwise what it holds.
::testing::AssertionResult Queued(const std::string& path, const std::string& replacement = "") {
    std::string held;
    for (const PendingOperation& op : PendingFileRenames()) {
        if (_stricmp(op.path.c_str(), path.c_str()) == 0 && _stricmp(op.replacement.c_str(), replacement.c_str()) == 0) {
            return ::testing::AssertionSuccess();
        }
        held += "\n  " + op.path + " -> " + (op.replacement.empty() ? "(deleted)" : op.replacement);
    }
    return ::testing::AssertionFailure() << "the restart's queue holds:" << (held.empty() ? " nothing" : held);
}

bool InWininit(const std::string& line) {
    for (const std::string& queued : WininitRenameLines()) {
        if (_stricmp(queued.c_str(), line.c_str()) == 0) return true;
    }
    return false;
}

std::vector<std::string> FreshCopiesIn(const std::string& folder) {
    std::vector<std::string> found;
    for (const std::string& file : FilesUnder(folder)) {
        std::string name = file.substr(file.find_last_of('\\') + 1);
        if (name.size() > 7 && _strnicmp(name.c_str(), "zlk", 3) == 0 && file.rfind(folder + "\\", 0) == 0 &&
            file.find('\\', folder.size() + 1) == std::string::npos) {
            found.push_back(file);
        }
    }
    return found;
}

class Outcome : public ::testing::TestWithParam<Row> {
protected:
    void SetUp() override {
        const Row& row = GetParam();
        SetWindowsFamily(row.family);
        SetHelperBehaviour(0, 0);
        win98 = std::string(row.family) == "win98";
        // Windows 98 names Program Files by its short name, which Wine does not make.
        if (win98) CreateFolders(programFiles = "C:\\Progra~1");
        CreateFolders(SystemDir() + "\\iosubsys");
        CreateFolders(WindowsDir() + "\\inf\\other");
        disc.Lay();
        PlugIn(reader);   // the reader's class, which every Windows has
    }

    // A quiet installation with the reader, then what Windows leaves for the driver
    // the helper installed.
    void Install() {
        RunResult install = disc.RunSetup("-q");
        ASSERT_TRUE(Finished(install));
        ASSERT_EQ(ExitCodeName(0), ExitCodeName(install.exitCode));
        if (win98) {
            WriteFileText(WindowsDir() + "\\inf\\other\\JOVZELK6S.inf", "Windows 98's copy of the driver's INF");
        } else {
            SeedDriverStore(reader, "ZELK", "oem3.inf");
            WriteFileText(RealDriversFolder() + "\\ZELK6SK.sys", "driver installed by the helper");
        }
    }

    std::string ProgramFolder() const { return programFiles + "\\JOV\\QM4410 Card Reader"; }
    std::string IconLibrary() const { return WindowsDir() + "\\ZELKI_J.dll"; }
    // The driver file a running system holds while the reader is plugged in: the port
    // driver on 98, the driver on the NT family. As queued: the path the system finds at
    // its start.
    std::string HeldDriver() const {
        return win98 ? SystemDir() + "\\iosubsys\\ZELK6Sp.pdr" : RealDriversFolder() + "\\ZELK6SK.sys";
    }
    std::string QueuedDriver() const {
        return win98 ? HeldDriver() : WindowsDir() + "\\system32\\drivers\\ZELK6SK.sys";
    }

    // Every file of the row queued for deletion at the restart: in the system's queue,
    // or on 98 as NUL lines of WININIT.INI.
    void ExpectQueuedForDeletion(const std::vector<std::pair<std::string, std::string>>& files) {
        for (const auto& file : files) {
            if (win98) {
                EXPECT_TRUE(InWininit("NUL=" + ShortName(file.first))) << file.first;
            } else {
                EXPECT_TRUE(Queued(file.second)) << file.second;
            }
        }
    }

    Disc disc;
    VirtualReader reader;
    bool win98 = false;
    std::string programFiles = ProgramFilesDir();
};

TEST_P(Outcome, IsTheExitCode) {
    const Row& row = GetParam();
    const Footprint fresh = TakeFootprint();
    if (row.before == Before::Installed) Install();
    if (row.readerPlugged) {
        PlugIn(reader);
    } else {
        Unplug(reader);
    }
    const Footprint before = TakeFootprint();
    const size_t helperRuns = disc.HelperRuns().size();

    // What a running system holds: the driver open (a sharing violation), the icon
    // library loaded (access denied); or, before an installation, an older library.
    std::optional<HeldOpen> driver;
    std::optional<LoadedAsProgram> library;
    std::optional<HeldOpen> older;
    const std::string olderLibrary = "icon library of an older disc";
    if (row.held == Held::InstalledFiles) {
        driver.emplace(HeldDriver());
        library.emplace(IconLibrary());
        ASSERT_TRUE(driver->Holds()) << HeldDriver();
        ASSERT_TRUE(library->Holds()) << IconLibrary();
    }
    if (row.held == Held::OlderIconLibrary) {
        WriteFileText(IconLibrary(), olderLibrary);
        older.emplace(IconLibrary());
        ASSERT_TRUE(older->Holds());
    }

    RunResult run = disc.RunSetup(row.arguments, 120000, row.rights);
    ASSERT_TRUE(Finished(run));
    EXPECT_EQ("test ...\n", run.output);
    EXPECT_EQ(ExitCodeName(row.exitCode), ExitCodeName(run.exitCode));

    switch (row.after) {
    case After::Unchanged:
        EXPECT_TRUE(Unchanged(before, TakeFootprint()));
        EXPECT_EQ(helperRuns, disc.HelperRuns().size());
        EXPECT_EQ(row.readerPlugged, IsPluggedIn(reader)) << "the reader's node stays as it was";
        break;

    case After::Installed:
        EXPECT_EQ(helperRuns + 1, disc.HelperRuns().size());
        EXPECT_TRUE(SameFile(disc.Path("ZELKI_J.dll"), IconLibrary()));
        EXPECT_TRUE(FileExists(ProgramFolder() + "\\Setup.ini"));
        break;

    case After::RemovedAtRestart: {
        // The held files stay until the restart, queued for it; all else goes at once.
        EXPECT_TRUE(FileExists(HeldDriver()));
        EXPECT_TRUE(FileExists(IconLibrary()));
        ExpectQueuedForDeletion({{HeldDriver(), QueuedDriver()}, {IconLibrary(), IconLibrary()}});
        std::vector<std::string> kept = KeptByRemoval(ProgramFolder(), win98);
        kept.insert(kept.end(), {disc.Path("helper.log"), HeldDriver(), IconLibrary(),
                                 WindowsDir() + "\\WININIT.INI",
                                 "HKLM\\System\\CurrentControlSet\\Control\\Session Manager\\:PendingFileRenameOperations"});
        EXPECT_TRUE(RemovedCleanly(fresh, TakeFootprint(), kept, reader));
        EXPECT_FALSE(IsPluggedIn(reader));

        driver.reset();
        library.reset();
        ASSERT_TRUE(RestartWindows());
        EXPECT_FALSE(FileExists(HeldDriver())) << "after the restart";
        EXPECT_FALSE(FileExists(IconLibrary())) << "after the restart";
        break;
    }

    case After::ReplacedAtRestart: {
        EXPECT_EQ(helperRuns + 1, disc.HelperRuns().size());
        EXPECT_TRUE(FileExists(ProgramFolder() + "\\Setup.ini")) << "the rest of the installation is done";
        EXPECT_EQ(olderLibrary, ReadFileText(IconLibrary())) << "replaced before the restart";
        std::vector<std::string> waiting = FreshCopiesIn(WindowsDir());
        ASSERT_EQ(1u, waiting.size()) << "one copy waits beside the held file";
        EXPECT_TRUE(SameFile(disc.Path("ZELKI_J.dll"), waiting[0]));
        if (win98) {
            EXPECT_TRUE(InWininit(ShortName(IconLibrary()) + "=" + ShortName(waiting[0])));
        } else {
            EXPECT_TRUE(Queued(waiting[0], IconLibrary())) << waiting[0] << " replacing " << IconLibrary();
        }

        older.reset();
        ASSERT_TRUE(RestartWindows());
        EXPECT_TRUE(SameFile(disc.Path("ZELKI_J.dll"), IconLibrary())) << "after the restart";
        EXPECT_TRUE(FreshCopiesIn(WindowsDir()).empty()) << "after the restart";
        break;
    }
    }
}

// The run log: an installation and then a removal that finds the icon library in use,
// appended to one file named with a blank in its path.
TEST(RunLog, RecordsEachRunToItsExitCode) {
    SetWindowsFamily("winxp");
    SetHelperBehaviour(0, 0);
    Disc disc;
    disc.Lay();
    VirtualReader reader;
    PlugIn(reader);
    CreateFolders("C:\\Run logs");
    const std::string log = "C:\\Run logs\\setup.log";
    const std::string iconLibrary = WindowsDir() + "\\ZELKI_J.dll";

    RunResult install = disc.RunSetup("-q \"-LOG:" + log + "\"");
    ASSERT_TRUE(Finished(install));
    ASSERT_EQ(1u, disc.HelperRuns().size());
    LoadedAsProgram library(iconLibrary);
    ASSERT_TRUE(library.Holds());
    RunResult removal = disc.RunSetup("-q -u \"-log:" + log + "\"");
    ASSERT_TRUE(Finished(removal));
    EXPECT_EQ(ExitCodeName(3010), ExitCodeName(removal.exitCode));

    const std::string text = ReadFileText(log);
    auto has = [&](const std::string& line) { return text.find(line + "\r\n") != std::string::npos; };
    EXPECT_EQ(0u, text.rfind("Setup ", 0)) << text;
    EXPECT_TRUE(has("start program: " + disc.HelperRuns()[0].title)) << text;
    EXPECT_TRUE(has(disc.Path("Tarnel2k.exe") + " ended with exit code 0")) << text;
    EXPECT_TRUE(has("exit code 0")) << "the installation's last line\n" << text;
    EXPECT_TRUE(has("delete file " + iconLibrary + ": in use; done at the next restart")) << text;
    EXPECT_TRUE(has("remove device node " + reader.InstanceId() + ": done")) << text;
    const std::string last = "exit code 3010\r\n";
    EXPECT_TRUE(text.size() > last.size() && text.compare(text.size() - last.size(), last.size(), last) == 0)
        << text;
    EXPECT_EQ(text.find("\n"), text.find("\r\n") + 1) << "CR LF line ends";
}

INSTANTIATE_TEST_SUITE_P(Rows, Outcome, ::testing::ValuesIn(ROWS),
                         [](const ::testing::TestParamInfo<Row>& info) { return std::string(info.param.name); });

}  // namespace
