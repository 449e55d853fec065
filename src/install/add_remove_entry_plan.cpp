#include "add_remove_entry_plan.h"
#include "uninstall_entry_paths.h"
#include "../text/bounded_text.h"
#include "setup_version.h"

const char ADD_REMOVE_PROGRAMS_KEY[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

const char* const ADD_REMOVE_VALUE_NAMES[ADD_REMOVE_VALUE_COUNT] = {
    "DisplayName", "UninstallString", "QuietUninstallString", "DisplayIcon", "DisplayVersion",
    "Publisher",   "InstallLocation", "NoModify",             "NoRepair",
};

namespace {

// The program's version, shown as DisplayVersion (an empty value is not written).
const char DISPLAY_VERSION[] = SETUP_VERSION_TEXT;

bool AddText(AddRemoveEntry& e, const char* name, const char* format, const char* a, const char* b = "") {
    SettingValue& v = e.values[e.count];
    if (!CopyText(v.name, name) || !ComposeInto(v.text, format, a, b)) return false;
    if (v.text[0]) ++e.count;
    return true;
}

void AddDword(AddRemoveEntry& e, const char* name, uint32_t value) {
    SettingValue& v = e.values[e.count++];
    CopyText(v.name, name);
    v.isDword = true;
    v.dword = value;
}

// The uninstall folder's name as words: a blank for each folder separator ("\" or "/",
// not a double-byte character's second byte), so that it names one key.
bool ComposeKeyName(const SetupState& s, char (&keyName)[TEXT_SIZE]) {
    bool fits = s.productName[0] ? ComposeInto(keyName, "%s %s", s.vendorName, s.productName)
                                 : CopyText(keyName, s.vendorName);
    for (char* p = keyName; *p; p += CharacterSize(p, s.isLeadByte)) {
        if (*p == '\\' || *p == '/') *p = ' ';
    }
    return fits;
}

bool Compose(const SetupState& s, AddRemoveEntry& e) {
    UninstallEntryPaths p;
    char icon[16];
    ComposeInto(icon, "%d", UNINSTALL_ICON_INDEX);
    // The key's path bound keeps its name within the registry's 255 characters.
    if (!ComposeUninstallEntryPaths(s, p) || !ComposeKeyName(s, e.keyName) ||
        !ComposeInto(e.key, "%s\\%s", ADD_REMOVE_PROGRAMS_KEY, e.keyName)) {
        return false;
    }
    bool fits = AddText(e, "DisplayName", "%s", e.keyName) &&
                AddText(e, "UninstallString", "\"%s\" -u", p.copiedProgram) &&
                AddText(e, "QuietUninstallString", "\"%s\" -q -u", p.copiedProgram) &&
                AddText(e, "DisplayIcon", "%s,%s", p.copiedProgram, icon) &&
                AddText(e, "DisplayVersion", "%s", DISPLAY_VERSION) &&
                AddText(e, "Publisher", "%s", s.vendorName) &&
                AddText(e, "InstallLocation", "%s", p.programFolder);
    AddDword(e, "NoModify", 1);
    AddDword(e, "NoRepair", 1);
    return fits;
}

}  // namespace

bool ComposeAddRemoveEntry(const SetupState& s, AddRemoveEntry& e) {
    e = AddRemoveEntry();
    if (Compose(s, e)) return true;
    e = AddRemoveEntry();
    return false;
}
