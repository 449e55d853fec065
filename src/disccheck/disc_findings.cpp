#include "disc_findings.h"
#include "name_reasons.h"
#include "title_width.h"
#include "../state/file_names.h"
#include "../text/bounded_text.h"

namespace {

const char VENDORS[] = "Vendors";

const char* NextEntry(const char* entry) { return entry + TextLength(entry) + 1; }

// The key of a "key=value" line; false for a line without "=" or a key too long to hold.
bool LineKey(const char* line, char (&key)[TEXT_SIZE]) {
    const char* equals = FindText(line, "=");
    if (!equals || static_cast<size_t>(equals - line) >= sizeof key) return false;
    size_t length = static_cast<size_t>(equals - line);
    for (size_t i = 0; i < length; ++i) key[i] = line[i];
    key[length] = '\0';
    return true;
}

// The line that sets `key` in a listing of a section's lines; null when none does.
const char* FindLine(const char* lines, const char* key) {
    for (const char* line = lines; *line; line = NextEntry(line)) {
        char name[TEXT_SIZE];
        if (LineKey(line, name) && TextEqualsIgnoreCase(name, key)) return line;
    }
    return nullptr;
}

bool SetsKeyBefore(const char* lines, const char* until, const char* key) {
    for (const char* line = lines; line != until; line = NextEntry(line)) {
        char name[TEXT_SIZE];
        if (LineKey(line, name) && TextEqualsIgnoreCase(name, key)) return true;
    }
    return false;
}

bool ListsBefore(const char* entries, const char* until, const char* name) {
    for (const char* entry = entries; entry != until; entry = NextEntry(entry)) {
        if (TextEqualsIgnoreCase(entry, name)) return true;
    }
    return false;
}

// ", named by [Section] Key", or nothing when no key named it.
void NamedBy(const KeyRead* read, char (&text)[TEXT_SIZE]) {
    if (!read || !Compose(text, sizeof text, ", named by [%s] %s", read->section, read->key)) text[0] = '\0';
}

void RequireFile(const DiscContents& disc, const char* path, const char* role, const KeyRead* namedBy,
                 const char* discFolder, FamilySet families, Findings& f) {
    if (!path[0] || disc.FileExists(path)) return;
    char named[TEXT_SIZE];
    NamedBy(namedBy, named);
    f.Add(SEVERITY_ERROR, families, "%s is not on the disc: %s%s", OnDisc(path, discFolder), role, named);
}

// The read whose value the copy's source ends with (the longest, so a path wins over
// the bare name inside it).
const KeyRead* KeyNamingSource(const char* source, const FamilyPlan& plan, const RecordingIni& reads) {
    const SetupState& s = plan.state;
    const char* const fields[] = {s.infPath, s.infPathDisk, s.drvPathSys, s.drvPathPdr, s.fileNameIcon};
    const KeyRead* best = nullptr;
    size_t bestLength = 0;
    size_t sourceLength = TextLength(source);
    for (const char* field : fields) {
        size_t length = TextLength(field);
        if (length == 0 || length > sourceLength || length <= bestLength) continue;
        if (!TextEqualsIgnoreCase(source + sourceLength - length, field)) continue;
        const KeyRead* read = reads.FindByDestination(field);
        if (!read) continue;
        best = read;
        bestLength = length;
    }
    return best;
}

void FindMissingFiles(FamilySet bit, const FamilyPlan& plan, const RecordingIni& reads, const DiscContents& disc,
                      const char* folder, Findings& f) {
    const InstallPlan& install = plan.install;
    RequireFile(disc, install.helperPath, "the helper installer", nullptr, folder, bit, f);
    RequireFile(disc, install.infSource, "the INF handed to the helper", reads.FindByDestination(plan.state.infPath),
                folder, bit, f);
    for (int i = 0; i < install.copyCount; ++i) {
        const char* source = install.copies[i].source;
        RequireFile(disc, source, "copied after the helper", KeyNamingSource(source, plan, reads), folder, bit, f);
    }
    if (plan.install.registerTrayMonitor) {
        RequireFile(disc, plan.install.trayMonitor.source, "the tray monitor", nullptr, folder, bit, f);
    }
    if (plan.entryComposed) {
        RequireFile(disc, plan.setupSource, "copied into the uninstall entry", nullptr, folder, bit, f);
        RequireFile(disc, plan.iniSource, "copied into the uninstall entry", nullptr, folder, bit, f);
    }
}

void RefuseName(const KeyRead* read, const char* value, const char* reason, const char* consequence, FamilySet bit,
                Findings& f) {
    if (!read) return;
    f.Add(SEVERITY_WARNING, bit, "[%s] %s \"%s\" is refused by Setup.exe because %s: %s", read->section, read->key,
          value, reason, consequence);
}

void FindRefusedNames(FamilySet bit, const FamilyPlan& plan, const RecordingIni& reads, Findings& f) {
    const SetupState& s = plan.state;
    const char* const fileNames[] = {s.fileNameSys, s.fileNamePdr, s.fileNameInf, s.fileNameInfDisk, s.fileNameIcon};
    for (const char* name : fileNames) {
        if (IsBareFileName(name, s.isLeadByte)) continue;
        RefuseName(reads.FindByDestination(name), name, WhyNotBareFileName(name, s.isLeadByte),
                   "no file of that name is placed or deleted", bit, f);
    }
    // Windows 98/Me's own copy of the INF carries the provider's name before the file's.
    char copyName[TEXT_SIZE];
    if (s.infProviderName[0] && IsBareFileName(s.fileNameInf, s.isLeadByte) &&
        (!ComposeInto(copyName, "%s%s", s.infProviderName, s.fileNameInf) || !IsBareFileName(copyName, s.isLeadByte))) {
        RefuseName(reads.FindByDestination(s.infProviderName), s.infProviderName, WhyNotBareFileName(copyName, s.isLeadByte),
                   "a removal leaves Windows' copy of the INF", bit, f);
    }

    if (plan.entryComposed) {
        if (!plan.addRemoveComposed && s.addRemoveEntry) {
            f.Add(SEVERITY_WARNING, bit,
                  "the Add or Remove Programs entry's key or values are longer than 259 characters: Setup.exe "
                  "writes no entry there");
        }
        return;
    }
    const char* entry = "Setup.exe makes no uninstall entry";
    if (!IsRelativeFolderPath(s.vendorName, s.isLeadByte)) {
        RefuseName(reads.FindByDestination(s.vendorName), s.vendorName, WhyNotRelativeFolderPath(s.vendorName, s.isLeadByte), entry,
                   bit, f);
    } else if (s.productName[0] && !IsRelativeFolderPath(s.productName, s.isLeadByte)) {
        RefuseName(reads.FindByDestination(s.productName), s.productName, WhyNotRelativeFolderPath(s.productName, s.isLeadByte),
                   entry, bit, f);
    } else {
        f.Add(SEVERITY_WARNING, bit, "the uninstall entry's paths are longer than 259 characters: %s", entry);
    }
}

// Names of `readable` in `section` (or its sections, for a null section), for suggestions.
int ReadableNames(const KeyList& readable, const char* section, const char** names, int capacity) {
    int count = 0;
    for (int i = 0; i < readable.Count() && count < capacity; ++i) {
        const KeyRead& r = readable.At(i);
        const char* name = section ? r.key : r.section;
        if (section && !TextEqualsIgnoreCase(r.section, section)) continue;
        bool seen = false;
        for (int j = 0; j < count; ++j) seen = seen || TextEqualsIgnoreCase(names[j], name);
        if (!seen) names[count++] = name;
    }
    return count;
}

// " (did you mean X?)", or nothing.
void Suggestion(const char* name, const KeyList& readable, const char* section, char (&text)[TEXT_SIZE]) {
    const char* names[64];
    int count = ReadableNames(readable, section, names, 64);
    const char* closest = ClosestName(name, names, count);
    const char* format = section ? " (did you mean %s?)" : " (did you mean [%s]?)";
    if (!closest || !Compose(text, sizeof text, format, closest)) text[0] = '\0';
}

void FindSectionKeyProblems(const KeyList& readable, const KeyList& read, const DiscContents& disc,
                            const char* section, char* lines, Findings& f) {
    if (!disc.ListSectionLines(section, lines, LISTING_SIZE)) {
        f.Add(SEVERITY_WARNING, 0, "[%s] is too long for DiscCheck to list: its keys are not checked", section);
        return;
    }
    for (const char* line = lines; *line; line = NextEntry(line)) {
        char key[TEXT_SIZE];
        char hint[TEXT_SIZE];
        if (!LineKey(line, key)) {
            f.Add(SEVERITY_WARNING, 0, "[%s] the line \"%s\" sets no key: Setup.exe reads nothing from it", section,
                  line);
        } else if (SetsKeyBefore(lines, line, key)) {
            f.Add(SEVERITY_WARNING, 0, "[%s] %s is set more than once: Setup.exe reads only the first", section, key);
        } else if (!readable.Find(section, key)) {
            Suggestion(key, readable, section, hint);
            f.Add(SEVERITY_WARNING, 0, "[%s] %s is not a key Setup.exe reads%s", section, key, hint);
        } else if (!read.Find(section, key) && !TextEqualsIgnoreCase(section, VENDORS)) {
            f.Add(SEVERITY_NOTE, 0, "[%s] %s is set, but Setup.exe does not read it with this file's other values",
                  section, key);
        }
    }
}

}  // namespace

void FindPlanProblems(int family, const FamilyPlan& plan, const FamilyPlan& judged, const RecordingIni& reads,
                      const DiscContents& disc, const CheckOptions& options, Findings& f) {
    FamilySet bit = FamilyBit(family);
    const char* discFolder = options.discFolder;
    bool runnable = judged.install.helperRunnable;
    for (int i = 0; i < judged.readerCount; ++i) runnable = runnable && judged.readers[i].helperRunnable;
    if (!runnable) {
        char where[TEXT_SIZE];
        ShowFolder(options.judgedFolder, where, sizeof where);
        f.Add(SEVERITY_WARNING, bit,
              "with the disc in %s the helper's path or command line is longer than 259 characters: "
              "Setup.exe does not run the helper",
              where);
    }
    FindMissingFiles(bit, plan, reads, disc, discFolder, f);
    FindRefusedNames(bit, plan, reads, f);

    const KeyRead* title = reads.FindByDestination(plan.state.titleText);
    int width = EstimateTitleWidth(plan.state.titleText);
    if (title && width > TITLE_ROOM_AT_1024) {
        f.Add(SEVERITY_WARNING, 0,
              "[%s] %s is about %d pixels wide in the wizard's title: at 1024 x 768 only %d show, the rest runs off "
              "the screen",
              title->section, title->key, width, TITLE_ROOM_AT_1024);
    }
}

namespace {

struct AskedReaders {
    const RecordingIni* ini;
    char keys[VENDOR_ENTRY_COUNT][INI_NAME_SIZE];
    int count;
};

bool NoteAskedReader(const char*, void* context) {
    AskedReaders& asked = *static_cast<AskedReaders*>(context);
    if (asked.count < VENDOR_ENTRY_COUNT && asked.ini->Last()) {
        CopyText(asked.keys[asked.count++], asked.ini->Last()->key);
    }
    return false;
}

bool WasAsked(const AskedReaders& asked, const char* key) {
    for (int i = 0; i < asked.count; ++i) {
        if (TextEqualsIgnoreCase(asked.keys[i], key)) return true;
    }
    return false;
}

}  // namespace

void FindVendorProblems(const IniSource& ini, const KeyList& readable, const DiscContents& disc, char* listing,
                        Findings& f) {
    RecordingIni vendors(ini);
    AskedReaders asked = {&vendors, {}, 0};
    SetupState state = SetupState();
    SearchConfiguredDevice(vendors, NoteAskedReader, &asked, state);

    const KeyList& reads = vendors.Reads();
    for (int i = 0; i < reads.Count(); ++i) {
        const KeyRead& r = reads.At(i);
        if (r.length == 0 || WasAsked(asked, r.key)) continue;
        f.Add(SEVERITY_WARNING, 0,
              "[%s] %s is %u characters long: Setup.exe skips an entry longer than %u, as \"USB\\\" and the entry "
              "must fit in %u",
              r.section, r.key, static_cast<unsigned>(r.length), static_cast<unsigned>(MAX_VENDOR_ENTRY_LENGTH),
              static_cast<unsigned>(DEVICE_TEXT_SIZE - 1));
    }
    if (asked.count == 0) {
        f.Add(SEVERITY_ERROR, 0, "[%s] names no reader Setup.exe can look for (Vendor0 to Vendor%d): it never finds one",
              VENDORS, VENDOR_ENTRY_COUNT - 1);
    }

    // Entries after the one that ends the list are never read.
    if (reads.Count() == 0) return;
    const KeyRead& end = reads.At(reads.Count() - 1);
    if (end.length != 0 || !disc.HasSetupIni() || !disc.ListSectionLines(end.section, listing, LISTING_SIZE)) return;
    const char* endState = FindLine(listing, end.key) ? "empty" : "missing";
    for (const char* line = listing; *line; line = NextEntry(line)) {
        char key[TEXT_SIZE];
        if (!LineKey(line, key) || !line[TextLength(key) + 1]) continue;
        if (!readable.Find(end.section, key) || reads.Find(end.section, key)) continue;
        f.Add(SEVERITY_WARNING, 0, "[%s] %s is never read: the list ends at %s, which is %s", end.section, key, end.key,
              endState);
    }
}

void FindKeyProblems(const KeyList& readable, const KeyList& read, const DiscContents& disc, char* sections,
                     char* lines, Findings& f) {
    if (readable.Overflowed() || read.Overflowed()) {
        f.Add(SEVERITY_WARNING, 0, "Setup.exe reads more keys than DiscCheck can follow: the key checks are incomplete");
    }
    bool listed = false;
    if (!disc.HasSetupIni()) {
        f.Add(SEVERITY_NOTE, 0, "the disc has no setup.ini: every key takes its default");
    } else if (!disc.ListSections(sections, LISTING_SIZE)) {
        f.Add(SEVERITY_WARNING, 0, "setup.ini is too long for DiscCheck to list: its sections and keys are not checked");
    } else {
        listed = true;
        for (const char* section = sections; *section; section = NextEntry(section)) {
            char hint[TEXT_SIZE];
            if (ListsBefore(sections, section, section)) {
                f.Add(SEVERITY_WARNING, 0, "[%s] appears more than once: only one of them is read", section);
            } else if (!readable.HasSection(section)) {
                Suggestion(section, readable, nullptr, hint);
                f.Add(SEVERITY_WARNING, 0, "[%s] is not a section Setup.exe reads%s", section, hint);
            } else {
                FindSectionKeyProblems(readable, read, disc, section, lines, f);
            }
        }
    }

    for (int i = 0; i < read.Count(); ++i) {
        const KeyRead& r = read.At(i);
        if (r.cut && !TextEqualsIgnoreCase(r.section, VENDORS)) {
            f.Add(SEVERITY_WARNING, 0, "[%s] %s is %u characters long: Setup.exe reads only its first %u", r.section,
                  r.key, static_cast<unsigned>(r.length), static_cast<unsigned>(r.kept));
        }
        // The vendor list ends at its first missing entry: no default of its own to tell.
        if (TextEqualsIgnoreCase(r.section, VENDORS) || (disc.HasSetupIni() && !listed)) continue;
        if (listed && (!disc.ListSectionLines(r.section, lines, LISTING_SIZE) || FindLine(lines, r.key))) continue;
        if (r.isNumber || r.fallback[0]) {
            f.Add(SEVERITY_NOTE, 0, r.isNumber ? "[%s] %s is not set: Setup.exe uses %s" : "[%s] %s is not set: Setup.exe uses \"%s\"",
                  r.section, r.key, r.fallback);
        } else {
            f.Add(SEVERITY_NOTE, 0, "[%s] %s is not set: Setup.exe uses an empty value", r.section, r.key);
        }
    }
}

const char* OnDisc(const char* path, const char* discFolder) {
    const char* rest = AfterPrefixIgnoreCase(path, discFolder);
    return rest && *rest == '\\' ? rest + 1 : path;
}
