// DiscCheck's reading of a disc's INF files, whatever they hold.
//
// Input: setup.ini's lines, then INF files, each after a line "=== PATH" (relative to
// the disc in D:\), and files the disc holds besides, each on a line "+++ PATH".
//
// Properties:
// - the checks of every family end, whatever the INFs hold (loops of Include= and
//   Needs=, names with "..", values too long to read), and never look at a file
//   outside the disc's folder, nor open an INF there;
// - every finding names its families, and the report is printable ASCII.
#include <set>

#include "disccheck/family_plan.h"
#include "disccheck/families.h"
#include "disccheck/inf_findings.h"
#include "fuzz_support.h"
#include "../support/memory_inf.h"

using fuzz::LiesBelow;
using fuzz::Shown;

namespace {

const char DISC[] = "D:";

struct Paths {
    LeadBytePredicate isLeadByte = nullptr;
    void Check(const char* path, const char* what) const {
        FUZZ_CHECK(LiesBelow(path, DISC, 0, isLeadByte), std::string(what) + " " + Shown(path));
    }
};

class Disc : public DiscContents {
public:
    Disc(std::set<std::string> files, const Paths& paths) : files_(std::move(files)), paths_(paths) {}
    bool HasSetupIni() const override { return true; }
    bool ListSections(char* dst, size_t) const override { return Empty(dst); }
    bool ListSectionLines(const char*, char* dst, size_t) const override { return Empty(dst); }
    bool FileExists(const char* path) const override {
        paths_.Check(path, "looked at");
        return files_.count(path) > 0;
    }
    bool HasAutorunInf() const override { return false; }
    bool ReadAutorun(const char*, char* dst, size_t) const override { return Empty(dst); }

private:
    static bool Empty(char* dst) {
        dst[0] = dst[1] = '\0';
        return true;
    }
    std::set<std::string> files_;
    const Paths& paths_;
};

class WatchedInfs : public support::MemoryInfs {
public:
    explicit WatchedInfs(const Paths& paths) : paths_(paths) {}
    bool Open(const char* path, unsigned& errorLine) override {
        paths_.Check(path, "opened");
        return MemoryInfs::Open(path, errorLine);
    }

private:
    const Paths& paths_;
};

struct Report : TextSink {
    std::string text;
    void Write(const char* t, size_t length) override { text.append(t, length); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::string> ini;
    std::set<std::string> files;
    Paths paths;
    WatchedInfs infs(paths);
    std::string* inf = nullptr;
    for (const std::string& line : fuzz::Lines(data, size)) {
        if (line.rfind("=== ", 0) == 0) {
            const std::string path = std::string(DISC) + "\\" + line.substr(4);
            files.insert(path);
            inf = &infs.files[path];
        } else if (line.rfind("+++ ", 0) == 0) {
            files.insert(std::string(DISC) + "\\" + line.substr(4));
        } else if (inf) {
            *inf += line + "\n";
        } else {
            ini.push_back(line);
        }
    }
    fuzz::MemoryIni source(ini);
    Disc disc(files, paths);
    Findings findings;
    static FamilyPlan plan;
    for (int i = 0; i < FAMILY_COUNT; ++i) {
        RecordingIni reads(source);
        PlanFamily(reads, FAMILIES[i].kind, DISC, nullptr, plan);
        FindInfProblems(i, plan, infs, disc, DISC, findings);
    }
    Report report;
    ReportWriter out(report);
    findings.Print(out, EVERY_FAMILY);
    for (unsigned char c : report.text) {
        FUZZ_CHECK(c == '\r' || c == '\n' || (c >= 0x20 && c < 0x7F), Shown(report.text));
    }
    for (const std::string& line : fuzz::Lines(reinterpret_cast<const uint8_t*>(report.text.data()), report.text.size())) {
        if (line.empty() || line.find("more, not listed") != std::string::npos) continue;
        FUZZ_CHECK(line.back() == ')', "a finding without its families: " + Shown(line));
    }
    return 0;
}
