// DiscCheck.exe on driver discs: the sample disc checks clean, under a first line that
// names the version; each broken disc under discs/ gives exactly the errors and warnings
// its "; expect:" lines name, and the exit code of its "; exit:" line, once the files of
// its "; remove:" lines are gone.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "disc.h"
#include "files.h"
#include "setup_version.h"

using namespace support;

namespace {

RunResult RunCheck(const std::string& arguments) {
    return Run("\"" + BinDir() + "\\DiscCheck.exe\" " + arguments, 60000);
}

bool StartsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

// The errors and warnings of a report, and the notes among `notes`.
std::vector<std::string> Problems(const std::string& output, const std::vector<std::string>& notes = {}) {
    std::vector<std::string> problems;
    for (const std::string& line : TextLines(output)) {
        if (StartsWith(line, "error: ") || StartsWith(line, "warning: ") ||
            std::find(notes.begin(), notes.end(), line) != notes.end()) {
            problems.push_back(line);
        }
    }
    return problems;
}

// DiscCheck's exit codes, named.
std::string Verdict(DWORD exitCode) {
    const char* const names[] = {"clean", "warnings only", "errors", "folder unreadable or wrong command line"};
    return std::to_string(exitCode) + " (" + (exitCode < 4 ? names[exitCode] : "not a DiscCheck code") + ")";
}

// A line of a sample disc's file, changed: every line equal to `from` becomes `to`
// ("" drops it).
struct Change {
    std::string file;
    std::string from;
    std::string to;
};

struct BrokenDisc {
    std::string name;
    std::string setupIni;
    std::vector<std::string> removed;
    std::vector<Change> changed;
    std::vector<std::string> expected;
    DWORD exitCode = 0;
};

// "; change: FILE: FROM -> TO"
Change ReadChange(const std::string& text) {
    size_t colon = text.find(": ");
    size_t arrow = text.find(" ->");
    if (colon == std::string::npos || arrow == std::string::npos || arrow < colon) return {text, "", ""};
    std::string to = text.substr(arrow + 3);
    if (!to.empty() && to[0] == ' ') to.erase(0, 1);
    return {text.substr(0, colon), text.substr(colon + 2, arrow - colon - 2), to};
}

// Applies a change to the laid disc; false when the file has no such line.
bool Apply(const Disc& disc, const Change& change) {
    std::string changed;
    bool found = false;
    for (const std::string& line : TextLines(ReadFileText(disc.Path(change.file)))) {
        if (line == change.from) {
            found = true;
            if (!change.to.empty()) changed += change.to + "\r\n";
        } else {
            changed += line + "\r\n";
        }
    }
    WriteFileText(disc.Path(change.file), changed);
    return found;
}

BrokenDisc ReadBrokenDisc(const std::string& folder, const std::string& name) {
    BrokenDisc disc;
    disc.name = name;
    disc.setupIni = ReadFileText(folder + "\\" + name);
    for (const std::string& line : TextLines(disc.setupIni)) {
        if (StartsWith(line, "; remove: ")) disc.removed.push_back(line.substr(10));
        if (StartsWith(line, "; change: ")) disc.changed.push_back(ReadChange(line.substr(10)));
        if (StartsWith(line, "; expect: ")) disc.expected.push_back(line.substr(10));
        if (StartsWith(line, "; exit: ")) disc.exitCode = std::stoul(line.substr(8));
    }
    return disc;
}

std::vector<BrokenDisc> BrokenDiscs() {
    const std::string folder = BinDir() + "\\disccheck-discs";
    std::vector<BrokenDisc> discs;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*.ini").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return discs;
    do {
        discs.push_back(ReadBrokenDisc(folder, found.cFileName));
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return discs;
}

}  // namespace

TEST(DiscCheck, SampleDiscChecksClean) {
    Disc disc;
    disc.Lay();
    RunResult check = RunCheck("\"" + disc.Folder() + "\"");
    ASSERT_TRUE(Finished(check));
    EXPECT_EQ(Verdict(0), Verdict(check.exitCode)) << check.output;
    EXPECT_TRUE(Problems(check.output).empty()) << check.output;
    EXPECT_EQ("DiscCheck " SETUP_VERSION_TEXT ": what Setup.exe would do with the disc in " + disc.Folder(),
              TextLines(check.output).at(0));
    int families = 0;
    for (const std::string& line : TextLines(check.output)) families += StartsWith(line, "== Windows") ? 1 : 0;
    EXPECT_EQ(7, families);
}

// Lengths count where the disc will be: a drive's root, unless /at: names a folder.
TEST(DiscCheck, PathLengthsCountWhereTheDiscWillBe) {
    std::string deep = "C:\\Authoring";
    while (deep.size() < 150) deep += "\\Work in progress";
    Disc disc(deep);
    disc.Lay();
    RunResult check = RunCheck("\"" + deep + "\"");
    ASSERT_TRUE(Finished(check));
    EXPECT_EQ(Verdict(0), Verdict(check.exitCode)) << check.output;
    EXPECT_EQ("Path lengths are judged for the disc in X:\\ (a drive's root; /at:FOLDER judges another).",
              TextLines(check.output).at(3));

    RunResult there = RunCheck("/quiet \"/at:" + deep + "\" \"" + deep + "\"");
    ASSERT_TRUE(Finished(there));
    EXPECT_EQ(Verdict(1), Verdict(there.exitCode)) << there.output;
    EXPECT_EQ(std::vector<std::string>{"warning: with the disc in " + deep + " the helper's path or command line is "
                                       "longer than 259 characters: Setup.exe does not run the helper (every family)"},
              Problems(there.output));
}

TEST(DiscCheck, EachBrokenDiscGivesItsFinding) {
    std::vector<BrokenDisc> discs = BrokenDiscs();
    ASSERT_GE(discs.size(), 24u) << "the broken discs were not copied beside the test";
    for (const BrokenDisc& broken : discs) {
        SCOPED_TRACE(broken.name);
        ASSERT_FALSE(broken.expected.empty()) << "a broken disc names the finding it gives";
        Disc disc;
        disc.Lay(broken.setupIni);
        for (const std::string& file : broken.removed) disc.Remove(file);
        for (const Change& change : broken.changed) {
            ASSERT_TRUE(Apply(disc, change)) << change.file << " of the sample disc has no line " << change.from;
        }

        RunResult check = RunCheck("/quiet \"" + disc.Folder() + "\"");
        ASSERT_TRUE(Finished(check));
        EXPECT_EQ(Verdict(broken.exitCode), Verdict(check.exitCode)) << check.output;
        EXPECT_EQ(broken.expected, Problems(check.output, broken.expected)) << check.output;
    }
}

TEST(DiscCheck, FolderThatCannotBeRead) {
    RunResult check = RunCheck("\"C:\\No Such Disc\"");
    ASSERT_TRUE(Finished(check));
    EXPECT_EQ(Verdict(3), Verdict(check.exitCode));
    EXPECT_EQ("", check.output) << "the reason goes to standard error";
}
