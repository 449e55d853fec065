#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "state/file_names.h"
#include "disccheck/check_arguments.h"
#include "disccheck/disc_check.h"
#include "disccheck/findings.h"
#include "disccheck/name_reasons.h"
#include "disccheck/title_width.h"
#include "../support/memory_inf.h"

namespace {

bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return tolower(static_cast<unsigned char>(x)) == tolower(static_cast<unsigned char>(y));
           });
}

// A disc in memory: setup.ini read like the profile functions read it (first section and
// key of a name, any letter case, comments skipped, values cut to size - 1), and files.
class FakeDisc : public IniSource, public DiscContents {
public:
    // An autorun.inf of "-" stands for none.
    FakeDisc(const std::string& ini, std::set<std::string> files, const std::string& autorun = "-")
        : sections_(Parse(ini)), autorun_(Parse(autorun)), hasAutorun_(autorun != "-"), files_(std::move(files)) {}

    void ReadText(const char* section, const char* key, const char* fallback, char* dst,
                  size_t size) const override {
        std::string text = Value(sections_, section, key, fallback);
        text.resize(std::min(text.size(), size - 1));
        memcpy(dst, text.c_str(), text.size() + 1);
    }
    int32_t ReadInt(const char* section, const char* key, int32_t fallback) const override {
        return atoi(Value(sections_, section, key, std::to_string(fallback)).c_str());
    }

    bool HasSetupIni() const override { return true; }
    bool ListSections(char* dst, size_t size) const override {
        std::vector<std::string> names;
        for (const auto& s : sections_) names.push_back(s.first);
        return List(names, dst, size);
    }
    bool ListSectionLines(const char* section, char* dst, size_t size) const override {
        for (const auto& s : sections_) {
            if (SameName(s.first, section)) return List(s.second, dst, size);
        }
        return List({}, dst, size);
    }
    bool FileExists(const char* path) const override { return files_.count(path) > 0; }
    bool HasAutorunInf() const override { return hasAutorun_; }
    bool ReadAutorun(const char* key, char* dst, size_t size) const override {
        std::string text = Value(autorun_, "autorun", key, "");
        if (text.size() + 1 >= size) return false;
        memcpy(dst, text.c_str(), text.size() + 1);
        return true;
    }

private:
    typedef std::vector<std::pair<std::string, std::vector<std::string>>> Sections;

    static Sections Parse(const std::string& text) {
        Sections sections;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) {
            if (line.empty() || line[0] == ';') continue;
            if (line[0] == '[') {
                sections.push_back({line.substr(1, line.find(']') - 1), {}});
            } else if (!sections.empty()) {
                sections.back().second.push_back(line);
            }
        }
        return sections;
    }
    static std::string Value(const Sections& sections, const std::string& section, const std::string& key,
                             const std::string& fallback) {
        for (const auto& s : sections) {
            if (!SameName(s.first, section)) continue;
            for (const std::string& line : s.second) {
                size_t equals = line.find('=');
                if (equals != std::string::npos && SameName(line.substr(0, equals), key)) return line.substr(equals + 1);
            }
            break;
        }
        return fallback;
    }
    static bool List(const std::vector<std::string>& entries, char* dst, size_t size) {
        std::string joined;
        for (const std::string& e : entries) joined += e + '\0';
        joined += '\0';
        if (joined.size() > size) return false;
        memcpy(dst, joined.data(), joined.size());
        return true;
    }
    Sections sections_;
    Sections autorun_;
    bool hasAutorun_;
    std::set<std::string> files_;
};

// Everything the defaults name, on a disc in the root of drive D:, with the files its
// INFs copy and their catalogs.
std::set<std::string> DefaultDiscFiles() {
    std::set<std::string> files = {"D:\\Setup.exe",         "D:\\Setup.ini",          "D:\\TRAYM.exe",
                                   "D:\\ZELKI_J.dll",       "D:\\Tarnel98.exe",       "D:\\Tarnel2k.exe",
                                   "D:\\Tarnel64.exe",      "D:\\Win9xME\\ZELK6S.inf",  "D:\\Win9xME\\ZELK6S.sys",
                                   "D:\\Win9xME\\ZELK6SP.pdr", "D:\\Win9xME\\ZELKDISK.inf"};
    for (const char* folder : {"Win2KXP", "AMD64", "VISTA", "VISTA64"}) {
        for (const char* file : {"ZELK6SK.inf", "ZELK6SK.sys", "ZELK6SK.cat"}) {
            files.insert(std::string("D:\\") + folder + "\\" + file);
        }
    }
    return files;
}

// INFs for the default paths that pass every check: the reader of the tests' setup.ini
// in the models each family reads, signed, copying the driver setup.ini names.
std::string NtInf(const char* decoration) {
    return std::string("[Version]\nSignature=\"$Windows NT$\"\nCatalogFile=ZELK6SK.cat\nDriverVer=06/01/2007,1.0\n"
                       "[Manufacturer]\nJOV=JOV,") + decoration + "\n"
           "[JOV]\nReader=Install,USB\\VID_1234&PID_ABCD\n"
           "[JOV." + decoration + "]\nReader=Install,USB\\VID_1234&PID_ABCD\n"
           "[Install.NT]\nCopyFiles=Driver\n[Driver]\nZELK6SK.sys\n[DestinationDirs]\nDefaultDestDir=12\n"
           "[SourceDisksNames]\n1=%Disk%\n[SourceDisksFiles]\nZELK6SK.sys=1\n[Strings]\nDisk=\"Driver disc\"\n";
}

std::map<std::string, std::string> DefaultInfs() {
    const std::string windows9x =
        "[Version]\nSignature=\"$Chicago$\"\nDriverVer=06/01/2007,1.0\n[Manufacturer]\nJOV=JOV\n"
        "[JOV]\nReader=Install,USB\\VID_1234&PID_ABCD\n[Install]\nCopyFiles=Driver\n"
        "[DestinationDirs]\nDriver=10,system32\\drivers\n[Driver]\nZELK6S.sys\n"
        "[SourceDisksNames]\n1=Disc\n[SourceDisksFiles]\nZELK6S.sys=1\n";
    return {{"D:\\Win9xME\\ZELK6S.inf", windows9x},
            {"D:\\Win9xME\\ZELKDISK.inf", "[Version]\nSignature=\"$Chicago$\"\nDriverVer=06/01/2007,1.0\n"},
            {"D:\\Win2KXP\\ZELK6SK.inf", NtInf("NTx86")},
            {"D:\\VISTA\\ZELK6SK.inf", NtInf("NTx86")},
            {"D:\\AMD64\\ZELK6SK.inf", NtInf("NTamd64")},
            {"D:\\VISTA64\\ZELK6SK.inf", NtInf("NTamd64")}};
}

struct Report : TextSink {
    std::string text;
    CheckCounts counts{};
    void Write(const char* t, size_t length) override { text.append(t, length); }
    bool Has(const std::string& line) const { return text.find(line + "\r\n") != std::string::npos; }
    size_t CountOf(const std::string& piece) const {
        size_t n = 0;
        for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) ++n;
        return n;
    }
};

Report Check(const FakeDisc& disc, int family = -1, bool quiet = false) {
    Report report;
    CheckOptions options = {"D:", "D:", family, quiet, nullptr};
    support::MemoryInfs infs;
    infs.files = DefaultInfs();
    EXPECT_TRUE(CheckDisc(disc, disc, infs, options, report, report.counts));
    return report;
}

}  // namespace

TEST(DiscCheck, PlansOfACleanDiscInADriveRoot) {
    FakeDisc disc("[Vendors]\nVendor0=Vid_1234&Pid_ABCD\n[Pre_Define]\nVendorName=Acme\nProductName=Reader\n",
                  DefaultDiscFiles());
    Report all = Check(disc);
    EXPECT_EQ(0, CheckExitCode(all.counts)) << all.text;
    EXPECT_EQ(7u, all.CountOf("\r\n== Windows"));
    // The helper gets the entry as written on XP, the upper-cased id on Vista; "D:" takes no second backslash.
    EXPECT_TRUE(all.Has("    command line for Vendor0: D:\\Tarnel2k.exe \"D:\\Win2KXP\\ZELK6SK.inf\" Vid_1234&Pid_ABCD"));
    EXPECT_TRUE(all.Has("    command line for Vendor0: D:\\Tarnel2k.exe \"D:\\VISTA\\ZELK6SK.inf\" USB\\VID_1234&PID_ABCD"));
    EXPECT_TRUE(all.Has("  folder <programs>\\Acme\\Reader, with the shortcut <programs>\\Acme\\Reader\\Uninstall.lnk"));
    EXPECT_TRUE(all.Has("note: [Pre_Define] PNP_Mode is not set: Setup.exe uses -1"));
    // The Add or Remove Programs entry on every family, in the 32-bit view on the 64-bit ones.
    const std::string arp = "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Acme Reader";
    EXPECT_EQ(7u, all.CountOf("  Add or Remove Programs: registry " + arp + "\r\n"));
    EXPECT_EQ(7u, all.CountOf("    QuietUninstallString = \"\"<program files>\\Acme\\Reader\\Setup.exe\" -q -u\" (REG_SZ)"));
    EXPECT_EQ(7u, all.CountOf("    NoRepair = 1 (REG_DWORD)"));
    EXPECT_EQ(2u, all.CountOf("Wow6432Node"));
    EXPECT_EQ(7u, all.CountOf("  registry " + arp + ", when its UninstallString is \"\"<program files>\\Acme\\Reader\\Setup.exe\" -u\""));
    FakeDisc off("[Vendors]\nVendor0=Vid_1234&Pid_ABCD\n[Pre_Define]\nAddRemoveEntry=0\n", DefaultDiscFiles());
    EXPECT_EQ(7u, Check(off).CountOf("  Add or Remove Programs: none, [Pre_Define] AddRemoveEntry is 0\r\n"));

    Report xp = Check(disc, 3);
    EXPECT_EQ(1u, xp.CountOf("\r\n== Windows"));
    EXPECT_TRUE(xp.Has("== Windows XP (winxp)"));
    Report quiet = Check(disc, -1, true);
    EXPECT_EQ(0u, quiet.CountOf("== ")) << "the findings only";
    EXPECT_EQ(0u, quiet.text.find("note: "));
}

TEST(DiscCheck, FindingsOfAFaultyDiscAndWhichFamiliesTheyConcern) {
    std::set<std::string> files = DefaultDiscFiles();
    files.erase("D:\\Win9xME\\ZELK6SP.pdr");   // only Windows 98 copies it
    FakeDisc disc("[Vendors]\nVendor0=VID_1234&PID_ABCD\n"
                  "[Pre_Define]\nXDIcon=1\nXDIcon=0\nVendorNmae=Acme\nPnP Mode\n"
                  "[Win9XME_JOVName]\nJOV_NAME=JOV\\\n"
                  "[Version]\nVersionDesc=" + std::string(300, 'W') + "\n",
                  files);
    Report all = Check(disc);
    EXPECT_EQ(2, CheckExitCode(all.counts));
    EXPECT_TRUE(all.Has("error: Win9xME\\ZELK6SP.pdr is not on the disc: copied after the helper, named by "
                        "[Win9XME_DRVPath] DRVPath_PDR (Windows 98)"));
    EXPECT_TRUE(all.Has("warning: [Pre_Define] XDIcon is set more than once: Setup.exe reads only the first"));
    EXPECT_TRUE(all.Has("warning: [Pre_Define] VendorNmae is not a key Setup.exe reads (did you mean VendorName?)"));
    EXPECT_TRUE(all.Has("warning: [Pre_Define] the line \"PnP Mode\" sets no key: Setup.exe reads nothing from it"));
    EXPECT_TRUE(all.Has("warning: [Win9XME_JOVName] JOV_NAME \"JOV\\\" is refused by Setup.exe because it holds a "
                        "folder (\\ or /): a removal leaves Windows' copy of the INF (Windows 98, Windows Me)"));
    EXPECT_TRUE(all.Has("warning: [Version] VersionDesc is 300 characters long: Setup.exe reads only its first 259"));
    EXPECT_TRUE(all.Has("warning: [Version] VersionDesc is about 10619 pixels wide in the wizard's title: at 1024 x "
                        "768 only 1007 show, the rest runs off the screen"));
    EXPECT_EQ(6, all.counts.warnings);

    // One family's report keeps what concerns it and the disc as a whole.
    Report xp = Check(disc, 3, true);
    EXPECT_EQ(1, CheckExitCode(xp.counts)) << "the missing file concerns Windows 98 only";
    EXPECT_EQ(5, xp.counts.warnings) << "all but JOV_NAME, which only 98 and Me read";
}

TEST(DiscCheck, WhatAutorunInfStarts) {
    const std::string ini = "[Vendors]\nVendor0=VID_1234&PID_ABCD\n";
    const std::string opensNothing =
        "warning: autorun.inf names no program to open ([autorun] open=): inserted, the disc starts nothing";
    const struct {
        const char* autorun;
        std::string finding;   // empty: none about autorun.inf
    } cases[] = {
        {"[autorun]\nopen=Setup.exe\nicon=Setup.exe", ""},
        {"[AutoRun]\nopen=\"\\Setup.exe\" -u", ""},
        {"[autorun]\nopen=Setup -q", ""},
        {"[autorun]\nopen=Tools\\Run.exe /x", ""},
        {"-", "note: the disc has no autorun.inf: inserted, it starts nothing (tools/make-disc adds one that opens "
              "Setup.exe)"},
        {"[autorun]\nicon=Setup.exe", opensNothing},
        {"[autorun]\nopen=Install.exe", "warning: autorun.inf opens Install.exe, which is not on the disc: inserted, "
                                          "the disc starts nothing"},
        {"[autorun]\nopen=\"Disc Tools\\Run Me.exe\" /x", "warning: autorun.inf opens Disc Tools\\Run Me.exe, "
                                                       "which is not on the disc: inserted, the disc starts nothing"},
    };
    std::set<std::string> files = DefaultDiscFiles();
    files.insert("D:\\Tools\\Run.exe");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.autorun);
        Report report = Check(FakeDisc(ini, files, c.autorun), -1, true);
        EXPECT_EQ(c.finding.empty() ? 0u : 1u, report.CountOf("autorun.inf")) << report.text;
        if (!c.finding.empty()) EXPECT_TRUE(report.Has(c.finding)) << report.text;
    }
    Report tooLong = Check(FakeDisc(ini, files, "[autorun]\nopen=" + std::string(2000, 'x')), -1, true);
    EXPECT_TRUE(tooLong.Has("warning: autorun.inf's [autorun] open= is too long for DiscCheck to read: it is not "
                            "checked")) << tooLong.text;
}

TEST(NameReasons, EveryRefusedNameIsExplained) {
    for (const char* name : {"", "a\\b", "a/b", "C:x", "x:", ".", "..", "...", " ", ". "}) {
        ASSERT_FALSE(IsBareFileName(name, nullptr)) << name;
        EXPECT_STRNE("it is not a bare file name", WhyNotBareFileName(name, nullptr)) << name;
    }
    for (const char* path : {"", "\\Acme", "/Acme", "C:Acme", "Acme\\\\Reader", "..", "Acme\\..", "Acme\\.\\Reader",
                             "Acme\\ .", "Acme\\..."}) {
        ASSERT_FALSE(IsRelativeFolderPath(path, nullptr)) << path;
        EXPECT_STRNE("it is not a folder path below its base", WhyNotRelativeFolderPath(path, nullptr)) << path;
    }
    EXPECT_STREQ("it holds a . or .. folder", WhyNotRelativeFolderPath("Acme\\..\\..\\Windows", nullptr));
}

TEST(NameReasons, ClosestKnownName) {
    const char* const known[] = {"VendorName", "ProductName", "PNP_Mode"};
    EXPECT_STREQ("VendorName", ClosestName("VendorNmae", known, 3));
    EXPECT_STREQ("PNP_Mode", ClosestName("pnpmode", known, 3));
    EXPECT_EQ(nullptr, ClosestName("Vendor", known, 3));
}

TEST(TitleWidth, AdvancesRoundedToPixelsAsTheFontDrawsThem) {
    // Measured with the font drawn at this size: W is 41 pixels, i 10.
    EXPECT_EQ(410, EstimateTitleWidth("WWWWWWWWWW"));
    EXPECT_EQ(100, EstimateTitleWidth("iiiiiiiiii"));
    EXPECT_EQ(0, EstimateTitleWidth(""));
    EXPECT_EQ(EstimateTitleWidth("nn"), EstimateTitleWidth("\xB9\xDA")) << "outside ASCII: an average letter a byte";
    EXPECT_LE(EstimateTitleWidth("JOV QM4410 Card Reader Setup"), TITLE_ROOM_AT_1024);
}

TEST(ReportWriter, ValuesFromTheDiscStayPlainAscii) {
    Report sink;
    ReportWriter out(sink);
    out.Put("name: ").Value("Card\tReader \xE8\r").Number(-12).EndLine();
    EXPECT_EQ("name: Card<x09>Reader <xE8><x0D>-12\r\n", sink.text);
}

TEST(Findings, ErrorsFirstFamiliesMergedNothingLostBeyondRoom) {
    Findings findings;
    findings.Add(SEVERITY_NOTE, 0, "a %s", "note");
    findings.Add(SEVERITY_WARNING, FamilyBit(0), "missing %s", "x");
    findings.Add(SEVERITY_WARNING, FamilyBit(6), "missing %s", "x");
    findings.Add(SEVERITY_ERROR, EVERY_FAMILY, "broken");
    Report report;
    ReportWriter out(report);
    findings.Print(out, EVERY_FAMILY);
    EXPECT_EQ("error: broken (every family)\r\nwarning: missing x (Windows 98, Windows Vista 64-bit)\r\nnote: a note\r\n",
              report.text);
    EXPECT_EQ(0, findings.Count(SEVERITY_WARNING, FamilyBit(3)));

    Findings many;
    for (int i = 0; i < 100; ++i) many.Add(SEVERITY_WARNING, 0, "warning %d", i);
    EXPECT_EQ(100, many.Count(SEVERITY_WARNING, EVERY_FAMILY));
    Report printed;
    ReportWriter manyOut(printed);
    many.Print(manyOut, EVERY_FAMILY);
    EXPECT_TRUE(printed.Has("warning: 4 more, not listed"));
}

TEST(CheckArguments, FolderFamilyQuietAndWhatIsWrong) {
    const char* ok[] = {"DiscCheck", "-QUIET", "D:\\Disc", "/family:WinXP64"};
    CheckArguments a = ParseCheckArguments(4, ok);
    EXPECT_EQ(nullptr, a.error);
    EXPECT_STREQ("D:\\Disc", a.folder);
    EXPECT_EQ(4, a.family);
    EXPECT_TRUE(a.quiet);

    const char* none[] = {"DiscCheck"};
    EXPECT_EQ(nullptr, ParseCheckArguments(1, none).folder);
    EXPECT_EQ(-1, ParseCheckArguments(1, none).family);

    const char* at[] = {"DiscCheck", "/AT:\\\\server\\drivers", "D:\\Disc"};
    EXPECT_STREQ("\\\\server\\drivers", ParseCheckArguments(3, at).at);
    EXPECT_EQ(nullptr, ParseCheckArguments(1, none).at);

    const char* wrong[][2] = {{"/family:win7", "unknown family"}, {"/q", "unknown switch"}, {"/at:", "no folder after /at:"}};
    for (const auto& w : wrong) {
        const char* argv[] = {"DiscCheck", w[0]};
        CheckArguments bad = ParseCheckArguments(2, argv);
        EXPECT_STREQ(w[1], bad.error);
        EXPECT_STREQ(w[0], bad.culprit);
    }
    const char* twoFolders[] = {"DiscCheck", "A", "B"};
    EXPECT_STREQ("more than one folder", ParseCheckArguments(3, twoFolders).error);
    const char* help[] = {"DiscCheck", "/?"};
    EXPECT_TRUE(ParseCheckArguments(2, help).help);
}
