#include "removal_plan.h"
#include "../text/bounded_text.h"
#include "../state/file_names.h"

namespace {

void Add(FileDeletion* list, int& count, const SetupState& s, const char* name, const char* format,
         const char* folder, const char* prefix = "", bool drivers = false) {
    char fullName[TEXT_SIZE];
    if (!folder[0] || !ComposeInto(fullName, "%s%s", prefix, name) || !IsBareFileName(fullName, s.isLeadByte)) {
        return;
    }
    FileDeletion& file = list[count];
    if (!ComposeInto(file.path, format, folder, fullName)) return;
    file.inSystemDriversFolder = drivers;
    ++count;
}

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// The file name [name, end) is iconLibrary: ASCII letters in any case, double-byte
// characters exactly.
bool SameFileName(const char* name, const char* end, const char* iconLibrary, LeadBytePredicate isLeadByte) {
    const char* a = name;
    const char* b = iconLibrary;
    while (a < end && *b) {
        size_t size = CharacterSize(a, isLeadByte);
        if (size != CharacterSize(b, isLeadByte) || a + size > end) return false;
        if (size == 1 ? AsciiLower(*a) != AsciiLower(*b) : (a[0] != b[0] || a[1] != b[1])) return false;
        a += size;
        b += size;
    }
    return a == end && !*b;
}

}  // namespace

void PlanInstalledFileDeletion(const SetupState& s, InstalledFiles& plan) {
    plan = InstalledFiles();
    if (s.osKind < OS_WIN2000) {
        FileDeletion* list = plan.windows9xFiles;
        Add(list, plan.windows9xCount, s, s.fileNamePdr, "%s\\iosubsys\\%s", s.systemDir);
        Add(list, plan.windows9xCount, s, s.fileNameInf, "%s\\inf\\other\\%s", s.windowsDir, s.infProviderName);
        Add(list, plan.windows9xCount, s, s.fileNameInfDisk, "%s\\inf\\%s", s.windowsDir);
    }
    Add(plan.driverFiles, plan.driverCount, s, s.fileNameSys, "%s\\system32\\drivers\\%s", s.windowsDir, "", true);
    Add(plan.driverFiles, plan.driverCount, s, s.fileNameIcon, "%s\\%s", s.windowsDir);
}

bool InfStemToDelete(const char* infPath, LeadBytePredicate isLeadByte, char* stem, size_t size) {
    size_t length = TextLength(infPath);
    if (size == 0) return false;
    stem[0] = '\0';
    if (!IsBareFileName(infPath, isLeadByte) || length < 5 || length - 4 >= size) return false;
    for (size_t i = 0; i < length - 4; ++i) stem[i] = infPath[i];
    stem[length - 4] = '\0';
    // A cut through a double-byte character leaves no bare stem.
    if (IsBareFileName(stem, isLeadByte) && !TextEqualsIgnoreCase(stem, "usbstor")) return true;
    stem[0] = '\0';
    return false;
}

bool DefaultIconNamesLibrary(const char* defaultIcon, const char* iconLibrary, LeadBytePredicate isLeadByte) {
    if (!IsBareFileName(iconLibrary, isLeadByte)) return false;
    // The file part ends at the last comma, before the icon index, or at the closing
    // quote of a quoted path, which may hold commas itself.
    const char* start = defaultIcon;
    const bool quoted = *start == '"';
    if (quoted) ++start;
    const char* lastComma = nullptr;
    const char* closingQuote = nullptr;
    const char* p = start;
    for (; *p; p += CharacterSize(p, isLeadByte)) {
        if (*p == ',') lastComma = p;
        if (quoted && *p == '"' && !closingQuote) closingQuote = p;
    }
    const char* end = closingQuote ? closingQuote : lastComma ? lastComma : p;
    const char* name = start;
    for (const char* q = start; q < end; q += CharacterSize(q, isLeadByte)) {
        if (*q == '\\' || *q == '/' || *q == ':') name = q + 1;
    }
    return SameFileName(name, end, iconLibrary, isLeadByte);
}
