#include "inf_findings.h"
#include "disc_findings.h"
#include "../state/file_names.h"
#include "../text/bounded_text.h"

namespace {

// How a family reads an INF's platform decorations.
enum Platform { PLATFORM_9X, PLATFORM_2000, PLATFORM_X86, PLATFORM_AMD64 };

Platform PlatformOf(OsKind kind) {
    switch (kind) {
    case OS_WIN2000: return PLATFORM_2000;
    case OS_WINXP:
    case OS_VISTA: return PLATFORM_X86;
    case OS_WINXP64:
    case OS_VISTA64: return PLATFORM_AMD64;
    default: return PLATFORM_9X;
    }
}

bool IsNt(Platform p) { return p != PLATFORM_9X; }

// The names a section is looked up by on the platform, most specific first: the
// install sections' decorations, and the source layout's.
const char* const INSTALL_SUFFIXES_AMD64[] = {".NTamd64", ".NT", ""};
const char* const INSTALL_SUFFIXES_X86[] = {".NTx86", ".NT", ""};
const char* const NO_SUFFIX[] = {""};
const char* const LAYOUT_SUFFIXES_AMD64[] = {".amd64", ""};
const char* const LAYOUT_SUFFIXES_X86[] = {".x86", ""};

struct Suffixes {
    const char* const* names;
    int count;
};

template <size_t N>
Suffixes Of(const char* const (&names)[N]) {
    return {names, static_cast<int>(N)};
}

Suffixes InstallSuffixes(Platform p) {
    if (p == PLATFORM_AMD64) return Of(INSTALL_SUFFIXES_AMD64);
    return p == PLATFORM_9X ? Of(NO_SUFFIX) : Of(INSTALL_SUFFIXES_X86);
}

Suffixes LayoutSuffixes(Platform p) {
    if (p == PLATFORM_AMD64) return Of(LAYOUT_SUFFIXES_AMD64);
    return p == PLATFORM_9X ? Of(NO_SUFFIX) : Of(LAYOUT_SUFFIXES_X86);
}

// How well a [Manufacturer] decoration (NT[architecture][.version...]) serves the
// platform: 2 for its own architecture, 1 for plain "NT" (32-bit only: 64-bit Windows
// takes only its own), 0 not at all. 98/Me and 2000 read no decorations.
int DecorationRank(const char* decoration, Platform p) {
    if (p == PLATFORM_9X || p == PLATFORM_2000) return 0;
    const char* rest = AfterPrefixIgnoreCase(decoration, "NT");
    if (!rest) return 0;
    const char* afterArchitecture = AfterPrefixIgnoreCase(rest, p == PLATFORM_AMD64 ? "amd64" : "x86");
    if (afterArchitecture && (!*afterArchitecture || *afterArchitecture == '.')) return 2;
    return (p == PLATFORM_X86 && (!*rest || *rest == '.')) ? 1 : 0;
}

const int NAME_CAPACITY = 32;

// Names of sections, each once, in the order found.
struct SectionNames {
    char names[NAME_CAPACITY][TEXT_SIZE];
    int count = 0;
    bool overflowed = false;

    void Add(const char* name) {
        for (int i = 0; i < count; ++i) {
            if (TextEqualsIgnoreCase(names[i], name)) return;
        }
        if (count < NAME_CAPACITY && CopyText(names[count], name)) {
            ++count;
        } else {
            overflowed = true;
        }
    }
};

// One INF of a family, open for its checks.
class InfCheck {
public:
    InfCheck(InfSource& inf, const char* path, const FamilyPlan& plan, FamilySet bit, const DiscContents& disc,
             const char* discFolder, Findings& f)
        : inf_(inf), path_(path), shown_(OnDisc(path, discFolder)), plan_(plan), platform_(PlatformOf(plan.state.osKind)),
          bit_(bit), disc_(disc), discFolder_(discFolder), f_(f) {
        CopyText(folder_, path);
        char* last = nullptr;
        for (char* p = folder_; *p; p += CharacterSize(p, plan.state.isLeadByte)) {
            if (*p == '\\') last = p;
        }
        if (last) *last = '\0';
    }

    // Opens it; false, reported, when the parser refuses it.
    bool Open() {
        unsigned errorLine = 0;
        if (inf_.Open(path_, errorLine)) return true;
        if (errorLine) {
            f_.Add(SEVERITY_ERROR, bit_, "%s cannot be read as an INF: the system's parser stops at its line %u", shown_,
                   errorLine);
        } else {
            f_.Add(SEVERITY_ERROR, bit_, "%s cannot be read as an INF: the system's parser cannot open it", shown_);
        }
        return false;
    }

    void CheckDriverVer() {
        char value[TEXT_SIZE];
        if (!FindValue("Version", "DriverVer", value)) {
            f_.Add(SEVERITY_NOTE, bit_, "%s has no DriverVer in [Version]: Windows cannot tell its date and version",
                   shown_);
        }
    }

    void FindModels();
    void CheckReaders();
    void CheckCatalog();
    void FindInstallSections();
    void CheckCopies();
    void CheckDriver();
    void CheckProvider();
    void ReportUnread();

private:
    // Field `field` of a line, when it can be read whole; a value too long for it is
    // remembered, and reported once.
    template <size_t N>
    bool Read(const char* section, int line, int field, char (&dst)[N]) {
        InfField read = inf_.ReadField(section, line, field, dst, N);
        if (read == InfField::TOO_LONG && !unread_[0]) CopyText(unread_, section);
        if (read != InfField::READ) dst[0] = '\0';
        return read == InfField::READ;
    }

    typedef bool (*SameKey)(const char*, const char*);

    // The first line of `section` whose key is `key`; -1 when none is.
    int KeyedLine(const char* section, const char* key, SameKey same = TextEqualsIgnoreCase) {
        int lines = inf_.LineCount(section);
        for (int i = 0; i < lines; ++i) {
            char name[TEXT_SIZE];
            if (Read(section, i, 0, name) && same(name, key)) return i;
        }
        return -1;
    }

    // The same in the first of the sections `base` + suffix that has such a line, whose
    // name goes into `section`.
    template <size_t N>
    int KeyedLine(const char* base, Suffixes suffixes, const char* key, SameKey same, char (&section)[N]) {
        for (int k = 0; k < suffixes.count; ++k) {
            int line = Compose(section, N, "%s%s", base, suffixes.names[k]) ? KeyedLine(section, key, same) : -1;
            if (line >= 0) return line;
        }
        return -1;
    }

    // The first value of the line whose key is `key`.
    template <size_t N>
    bool FindValue(const char* section, const char* key, char (&dst)[N]) {
        int line = KeyedLine(section, key);
        if (line >= 0) return Read(section, line, 1, dst);
        dst[0] = '\0';
        return false;
    }

    bool HasSection(const char* section) const { return inf_.LineCount(section) >= 0; }

    // The section `base` with the first of the suffixes the INF has, into `found`.
    template <size_t N>
    bool Decorated(const char* base, Suffixes suffixes, char (&found)[N]) {
        for (int i = 0; i < suffixes.count; ++i) {
            if (Compose(found, N, "%s%s", base, suffixes.names[i]) && HasSection(found)) return true;
        }
        found[0] = '\0';
        return false;
    }

    void CheckCopy(const char* destination, const char* source, const char* fileList);
    void NoteDestination(const char* fileList, const char* destination);
    template <size_t N>
    bool SourcePath(const char* source, char (&path)[N]);
    void CheckFileList(const char* fileList);

    InfSource& inf_;
    const char* path_;
    const char* shown_;
    const FamilyPlan& plan_;
    Platform platform_;
    FamilySet bit_;
    const DiscContents& disc_;
    const char* discFolder_;
    Findings& f_;
    char folder_[TEXT_SIZE];
    char unread_[TEXT_SIZE] = "";   // the first section with a value too long to read
    SectionNames models_;
    bool amd64Models_ = false;
    SectionNames installs_;
    bool copiesDriver_ = false;
};

void InfCheck::FindModels() {
    const char* const section = "Manufacturer";
    int lines = inf_.LineCount(section);
    for (int i = 0; i < lines; ++i) {
        char base[TEXT_SIZE];
        if (!Read(section, i, 1, base) || !base[0]) continue;
        int bestRank = 0;
        char best[TEXT_SIZE] = "";
        for (int field = 2; field <= inf_.FieldCount(section, i); ++field) {
            char decoration[TEXT_SIZE];
            if (!Read(section, i, field, decoration)) continue;
            int rank = DecorationRank(decoration, platform_);
            if (rank > bestRank && CopyText(best, decoration)) bestRank = rank;
        }
        char models[TEXT_SIZE];
        if (bestRank > 0) {
            if (platform_ == PLATFORM_AMD64) amd64Models_ = true;
            if (ComposeInto(models, "%s.%s", base, best)) models_.Add(models);
        } else if (platform_ != PLATFORM_AMD64) {
            models_.Add(base);
        }
    }
    if (platform_ == PLATFORM_AMD64 && !amd64Models_) {
        f_.Add(SEVERITY_ERROR, bit_,
               "%s has no models section for NTamd64 in [Manufacturer]: 64-bit Windows installs nothing from it",
               shown_);
    }
}

void InfCheck::CheckReaders() {
    if (models_.count == 0) {
        // 64-bit Windows has said why already.
        if (platform_ != PLATFORM_AMD64) {
            f_.Add(SEVERITY_ERROR, bit_, "%s names no models in [Manufacturer]: Windows finds no driver in it", shown_);
        }
        return;
    }
    for (int r = 0; r < plan_.readerCount; ++r) {
        const Reader& reader = plan_.readers[r];
        bool named = false;
        for (int m = 0; m < models_.count && !named; ++m) {
            const char* section = models_.names[m];
            int lines = inf_.LineCount(section);
            for (int i = 0; i < lines && !named; ++i) {
                for (int field = 2; field <= inf_.FieldCount(section, i) && !named; ++field) {
                    char id[TEXT_SIZE];
                    named = Read(section, i, field, id) && TextEqualsIgnoreCase(id, reader.hardwareId);
                }
            }
        }
        if (!named) {
            f_.Add(SEVERITY_ERROR, bit_,
                   "[Vendors] %s %s is not among the hardware ids of the models %s has for this family: Windows "
                   "finds no driver for that reader",
                   reader.key, reader.hardwareId, shown_);
        }
    }
}

void InfCheck::CheckCatalog() {
    if (!IsNt(platform_)) return;
    const bool required = platform_ == PLATFORM_AMD64;
    const Severity severity = required ? SEVERITY_ERROR : SEVERITY_WARNING;
    const char* const keys[] = {required ? "CatalogFile.NTamd64" : "CatalogFile.NTx86", "CatalogFile.NT", "CatalogFile"};
    char catalog[TEXT_SIZE] = "";
    for (const char* key : keys) {
        if (FindValue("Version", key, catalog) && catalog[0]) break;
    }
    if (!catalog[0]) {
        f_.Add(severity, bit_, required ? "%s names no catalog (CatalogFile in [Version]): 64-bit Windows installs no "
                                          "unsigned driver"
                                        : "%s names no catalog (CatalogFile in [Version]): Windows warns that the "
                                          "driver is not signed",
               shown_);
        return;
    }
    char path[TEXT_SIZE];
    if (!IsBareFileName(catalog, plan_.state.isLeadByte) || !ComposeInto(path, "%s\\%s", folder_, catalog) ||
        !disc_.FileExists(path)) {
        f_.Add(severity, bit_, "%s names the catalog %s, which is not on the disc beside it", shown_, catalog);
    }
}

void InfCheck::FindInstallSections() {
    for (int m = 0; m < models_.count; ++m) {
        const char* section = models_.names[m];
        int lines = inf_.LineCount(section);
        for (int i = 0; i < lines; ++i) {
            char base[TEXT_SIZE];
            char install[TEXT_SIZE];
            if (Read(section, i, 1, base) && base[0] && Decorated(base, InstallSuffixes(platform_), install)) {
                installs_.Add(install);
            }
        }
    }
}

void InfCheck::CheckCopies() {
    for (int s = 0; s < installs_.count; ++s) {
        const char* section = installs_.names[s];
        int lines = inf_.LineCount(section);
        for (int i = 0; i < lines; ++i) {
            char key[TEXT_SIZE];
            if (!Read(section, i, 0, key) || !TextEqualsIgnoreCase(key, "CopyFiles")) continue;
            for (int field = 1; field <= inf_.FieldCount(section, i); ++field) {
                char list[TEXT_SIZE];
                if (!Read(section, i, field, list) || !list[0]) continue;
                if (list[0] == '@') {
                    CheckCopy(list + 1, list + 1, nullptr);
                } else {
                    CheckFileList(list);
                }
            }
        }
    }
}

// The driver the removal deletes is the one the INF puts into the drivers folder;
// Setup.exe copies it itself on Windows 98.
void InfCheck::CheckDriver() {
    const SetupState& s = plan_.state;
    if (s.osKind != OS_WIN98 && s.fileNameSys[0] && !copiesDriver_ && installs_.count > 0) {
        f_.Add(SEVERITY_WARNING, bit_,
               "%s does not copy %s (%s FileName_SYS) to the drivers folder: a removal deletes that file there and "
               "leaves the driver the INF installs",
               shown_, s.fileNameSys, IsNt(platform_) ? "[Win2KXP_FileName]" : "[Win9XME_FileName]");
    }
}

void InfCheck::CheckFileList(const char* fileList) {
    int lines = inf_.LineCount(fileList);
    if (lines < 0) {
        f_.Add(SEVERITY_ERROR, bit_, "%s copies the files of [%s], a section it does not have", shown_, fileList);
        return;
    }
    for (int i = 0; i < lines; ++i) {
        char destination[TEXT_SIZE];
        char source[TEXT_SIZE];
        if (!Read(fileList, i, 1, destination) || !destination[0]) continue;
        if (!Read(fileList, i, 2, source) || !source[0]) CopyText(source, destination);
        CheckCopy(destination, source, fileList);
    }
}

// Where [DestinationDirs] sends the files of `fileList` (DefaultDestDir for a single
// "@file" copy): the drivers folder is DIRID 12 on the NT family, and DIRID 10 with
// "system32\drivers" everywhere (12 is the I/O subsystem's folder on 98/Me).
void InfCheck::NoteDestination(const char* fileList, const char* destination) {
    if (copiesDriver_ || !TextEqualsIgnoreCase(destination, plan_.state.fileNameSys)) return;
    const char* const section = "DestinationDirs";
    char dirid[TEXT_SIZE] = "";
    char subfolder[TEXT_SIZE] = "";
    int lines = inf_.LineCount(section);
    const char* const keys[] = {fileList, "DefaultDestDir"};
    for (const char* key : keys) {
        for (int i = 0; key && i < lines && !dirid[0]; ++i) {
            char name[TEXT_SIZE];
            if (Read(section, i, 0, name) && TextEqualsIgnoreCase(name, key)) {
                Read(section, i, 1, dirid);
                Read(section, i, 2, subfolder);
            }
        }
        if (dirid[0]) break;
    }
    copiesDriver_ = (IsNt(platform_) && TextEquals(dirid, "12") && !subfolder[0]) ||
                    (TextEquals(dirid, "10") && TextEqualsIgnoreCase(subfolder, "system32\\drivers"));
}

// A folder of the source layout, relative to the INF's own: empty, or parts that each
// name a folder below it. A leading "\" stands for the INF's folder.
const char* LayoutFolder(const char* folder, LeadBytePredicate isLeadByte) {
    while (*folder == '\\') ++folder;
    if (!*folder || TextEquals(folder, ".")) return "";
    return IsRelativeFolderPath(folder, isLeadByte) ? folder : nullptr;
}

// The source file's path on the disc, by [SourceDisksFiles] and [SourceDisksNames];
// false, reported, when the layout does not name one inside the INF's folder.
template <size_t N>
bool InfCheck::SourcePath(const char* source, char (&path)[N]) {
    char files[TEXT_SIZE];
    char disks[TEXT_SIZE];
    char disk[TEXT_SIZE] = "";
    char subfolder[TEXT_SIZE] = "";
    char diskFolder[TEXT_SIZE] = "";
    const Suffixes suffixes = LayoutSuffixes(platform_);
    int line = KeyedLine("SourceDisksFiles", suffixes, source, TextEqualsIgnoreCase, files);
    if (line < 0) {
        f_.Add(SEVERITY_ERROR, bit_, "%s copies %s, which its [SourceDisksFiles] does not list: Windows cannot find it",
               shown_, source);
        return false;
    }
    Read(files, line, 1, disk);
    Read(files, line, 2, subfolder);
    line = KeyedLine("SourceDisksNames", suffixes, disk, TextEquals, disks);
    if (line < 0) {
        f_.Add(SEVERITY_ERROR, bit_, "%s copies %s from disk %s, which its [SourceDisksNames] does not name", shown_,
               source, disk);
        return false;
    }
    Read(disks, line, 4, diskFolder);
    const LeadBytePredicate isLeadByte = plan_.state.isLeadByte;
    const char* first = LayoutFolder(diskFolder, isLeadByte);
    const char* second = LayoutFolder(subfolder, isLeadByte);
    if (!first || !second || !IsBareFileName(source, isLeadByte)) {
        f_.Add(SEVERITY_ERROR, bit_, "%s copies %s from outside its own folder: DiscCheck looks nowhere else", shown_,
               source);
        return false;
    }
    if (!Compose(path, N, "%s%s%s%s%s\\%s", folder_, first[0] ? "\\" : "", first, second[0] ? "\\" : "", second,
                 source)) {
        f_.Add(SEVERITY_ERROR, bit_, "%s copies %s from a path longer than 259 characters", shown_, source);
        return false;
    }
    return true;
}

void InfCheck::CheckCopy(const char* destination, const char* source, const char* fileList) {
    NoteDestination(fileList, destination);
    char path[TEXT_SIZE];
    if (SourcePath(source, path) && !disc_.FileExists(path)) {
        f_.Add(SEVERITY_ERROR, bit_, "%s is not on the disc: %s copies it", OnDisc(path, discFolder_), shown_);
    }
}

// Windows 98 and Me keep their copy of the INF as INF\Other\<provider><file>; the
// removal deletes it by JOV_NAME.
void InfCheck::CheckProvider() {
    const SetupState& s = plan_.state;
    char provider[TEXT_SIZE];
    if (IsNt(platform_) || !FindValue("Version", "Provider", provider) || !provider[0]) return;
    // A name Setup.exe refuses has its own finding.
    char copyName[TEXT_SIZE];
    if (TextEqualsIgnoreCase(provider, s.infProviderName) || !ComposeInto(copyName, "%s%s", s.infProviderName, s.fileNameInf) ||
        !IsBareFileName(copyName, s.isLeadByte)) {
        return;
    }
    char jovName[TEXT_SIZE + 2];
    if (!s.infProviderName[0] || !ComposeInto(jovName, "\"%s\"", s.infProviderName)) CopyText(jovName, "(empty)");
    f_.Add(SEVERITY_WARNING, bit_,
           "[Win9XME_JOVName] JOV_NAME %s is not the provider \"%s\" of %s: Windows keeps its copy as "
           "INF\\Other\\%s%s, which a removal misses (it deletes INF\\Other\\%s)",
           jovName, provider, shown_, provider, s.fileNameInf, copyName);
}

void InfCheck::ReportUnread() {
    if (unread_[0]) {
        f_.Add(SEVERITY_WARNING, bit_, "%s has values in [%s] too long for DiscCheck to read: they are not checked",
               shown_, unread_);
    }
    if (models_.overflowed || installs_.overflowed) {
        f_.Add(SEVERITY_WARNING, bit_, "%s has more than %d models or install sections: DiscCheck checks the first %d",
               shown_, NAME_CAPACITY, NAME_CAPACITY);
    }
}

// An INF of the disc that the check may read: on the disc, below its folder.
bool Readable(const char* path, const char* discFolder, const DiscContents& disc, LeadBytePredicate isLeadByte) {
    const char* below = OnDisc(path, discFolder);
    return path[0] && below != path && IsRelativeFolderPath(below, isLeadByte) && disc.FileExists(path);
}

// Every check of one INF; the readers, the signature, the driver and the provider
// concern the one handed to the helper.
void CheckInf(InfSource& infs, const char* path, bool handedToHelper, const FamilyPlan& plan, FamilySet bit,
              const DiscContents& disc, const char* discFolder, Findings& f) {
    if (!Readable(path, discFolder, disc, plan.state.isLeadByte)) return;
    InfCheck inf(infs, path, plan, bit, disc, discFolder, f);
    if (!inf.Open()) return;
    inf.CheckDriverVer();
    inf.FindModels();
    if (handedToHelper) {
        inf.CheckReaders();
        inf.CheckCatalog();
    }
    inf.FindInstallSections();
    inf.CheckCopies();
    if (handedToHelper) {
        inf.CheckDriver();
        inf.CheckProvider();
    }
    inf.ReportUnread();
}

}  // namespace

void FindInfProblems(int family, const FamilyPlan& plan, InfSource& infs, const DiscContents& disc,
                     const char* discFolder, Findings& f) {
    const FamilySet bit = FamilyBit(family);
    const SetupState& s = plan.state;
    CheckInf(infs, plan.install.infSource, true, plan, bit, disc, discFolder, f);
    // 98 and Me: the disk's INF too.
    char diskInf[TEXT_SIZE];
    if (s.osKind <= OS_WINME && s.infPathDisk[0] && ComposeInto(diskInf, "%s%s", s.sourceDir, s.infPathDisk)) {
        CheckInf(infs, diskInf, false, plan, bit, disc, discFolder, f);
    }
}
