#include "removal_plan.h"
#include "../text/bounded_text.h"
#include "../app/file_names.h"

namespace {

void Add(FileDeletion* list, int& count, const char* name, const char* format, const char* folder,
         const char* prefix = "", bool drivers = false) {
    char fullName[TEXT_SIZE];
    if (!ComposeInto(fullName, "%s%s", prefix, name) || !IsBareFileName(fullName)) return;
    FileDeletion& file = list[count];
    if (!ComposeInto(file.path, format, folder, fullName)) return;
    file.inSystemDriversFolder = drivers;
    ++count;
}

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

void PlanInstalledFileDeletion(const SetupState& s, InstalledFiles& plan) {
    plan = InstalledFiles();
    if (s.osKind < OS_WIN2000) {
        FileDeletion* list = plan.windows9xFiles;
        Add(list, plan.windows9xCount, s.fileNamePdr, "%s\\iosubsys\\%s", s.systemDir);
        Add(list, plan.windows9xCount, s.fileNameInf, "%s\\inf\\other\\%s", s.windowsDir, s.infProviderName);
        Add(list, plan.windows9xCount, s.fileNameInfDisk, "%s\\inf\\%s", s.windowsDir);
    }
    Add(plan.driverFiles, plan.driverCount, s.fileNameSys, "%s\\system32\\drivers\\%s", s.windowsDir, "", true);
    Add(plan.driverFiles, plan.driverCount, s.fileNameIcon, "%s\\%s", s.windowsDir);
}

bool InfStemToDelete(const char* infPath, char* stem, size_t size) {
    size_t length = TextLength(infPath);
    if (!IsBareFileName(infPath) || length < 5 || length - 4 >= size) {
        if (size) stem[0] = '\0';
        return false;
    }
    for (size_t i = 0; i < length - 4; ++i) stem[i] = infPath[i];
    stem[length - 4] = '\0';
    return !TextEqualsIgnoreCase(stem, "usbstor");
}

bool DefaultIconNamesLibrary(const char* defaultIcon, const char* iconLibrary) {
    if (!IsBareFileName(iconLibrary)) return false;
    // The file part ends at the comma before the icon index, or at a closing quote.
    const char* start = defaultIcon;
    const char* end = defaultIcon + TextLength(defaultIcon);
    for (const char* p = defaultIcon; *p; ++p) {
        if (*p == ',') end = p;
    }
    if (*start == '"') {
        ++start;
        for (const char* p = start; *p; ++p) {   // a quoted path may hold commas itself
            if (*p == '"') {
                end = p;
                break;
            }
        }
    }
    const char* name = start;
    for (const char* p = start; p < end; ++p) {
        if (*p == '\\' || *p == '/' || *p == ':') name = p + 1;
    }
    size_t length = static_cast<size_t>(end - name);
    if (length != TextLength(iconLibrary)) return false;
    for (size_t i = 0; i < length; ++i) {
        if (AsciiLower(name[i]) != AsciiLower(iconLibrary[i])) return false;
    }
    return true;
}
