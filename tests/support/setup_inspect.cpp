// Prints, in a few readable lines, what Setup.exe leaves on this machine: the driver's
// registry values, the files in the Windows folders that this family's installation
// places or its removal deletes (the sample disc's names), the uninstall entry with
// its Add or Remove Programs entry, what waits for the next restart, and the device
// node. tools/demo runs it after each step.
//   setup_inspect.exe [vendor folder, e.g. "JOV\QM4410 Card Reader"]
#include <windows.h>

#include <cstdio>
#include <string>

#include "disc.h"
#include "files.h"
#include "in_use.h"
#include "registry.h"
#include "shortcut.h"
#include "virtual_reader.h"

using namespace support;

namespace {

std::string Show(const RegValue& value) {
    if (value.type == REG_DWORD && value.data.size() == 4) {
        return std::to_string(value.data[0] | value.data[1] << 8 | value.data[2] << 16 | value.data[3] << 24);
    }
    std::string text(value.data.begin(), value.data.end());
    while (!text.empty() && text.back() == '\0') text.pop_back();
    return "\"" + text + "\"";
}

void Values(const char* title, HKEY root, const std::string& key, const char* only = nullptr) {
    auto names = ValueNames(root, key);
    int shown = 0;
    for (const std::string& name : names) {
        if (only && name != only) continue;
        if (!shown++) printf("  %s\n", title);
        printf("    %-20s %s\n", ("\"" + name + "\"").c_str(), Show(ReadValue(root, key, name)).c_str());
    }
    if (!shown) printf("  %s: none\n", title);
}

void File(const std::string& path) {
    printf("    %-8s %s\n", FileExists(path) ? "present" : "-", path.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    std::string folder = argc > 1 ? argv[1] : "ZELK";
    std::string win = WindowsDir();
    printf("Registry\n");
    Values("HKLM\\System\\CurrentControlSet\\Services\\ZELK\\Parameters (2000 and later)", HKEY_LOCAL_MACHINE,
           "System\\CurrentControlSet\\Services\\ZELK\\Parameters");
    Values("HKLM\\Software\\JOV Technologies\\USB Icon (98/Me)", HKEY_LOCAL_MACHINE,
           "Software\\JOV Technologies\\USB Icon");
    Values("HKLM\\...\\CurrentVersion\\Run (98/Me tray monitor)", HKEY_LOCAL_MACHINE,
           "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", "HidMonitor");
    printf("Files\n");
    const bool windows9x = IsWindows9x();
    if (windows9x) {
        for (const char* name : {"ZELKI_J.dll", "TRAYM.exe", "system32\\drivers\\ZELK6S.sys", "inf\\ZELKDISK.inf",
                                 "inf\\other\\JOVZELK6S.inf"}) {
            File(win + "\\" + name);
        }
        File(SystemDir() + "\\iosubsys\\ZELK6Sp.pdr");
    } else {
        File(win + "\\ZELKI_J.dll");
        // The driver the helper installs, in the real system32.
        File(win + (RunsUnderWow64() ? "\\Sysnative" : "\\system32") + "\\drivers\\ZELK6SK.sys");
    }
    printf("Uninstall entry\n");
    std::string shortcut = ProgramsDir() + "\\" + folder + "\\Uninstall.lnk";
    Shortcut link = ReadShortcut(shortcut);
    if (link.loaded) {
        printf("    %s\n      -> %s %s (icon %d)\n", shortcut.c_str(), link.target.c_str(), link.arguments.c_str(),
               link.iconIndex);
    } else {
        printf("    -        %s\n", shortcut.c_str());
    }
    // Setup.exe names Program Files by its short name on 98 and Me.
    const std::string programFiles = windows9x ? "C:\\Progra~1" : ProgramFilesDir();
    File(programFiles + "\\" + folder + "\\Setup.exe");
    File(programFiles + "\\" + folder + "\\Setup.ini");
    std::string entry = folder;
    for (char& c : entry) c = c == '\\' ? ' ' : c;
    Values(("Add or Remove Programs: HKLM\\...\\CurrentVersion\\Uninstall\\" + entry).c_str(), HKEY_LOCAL_MACHINE,
           "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + entry);

    printf("At the next restart\n");
    size_t waiting = 0;
    if (windows9x) {
        for (const std::string& line : WininitRenameLines()) {
            printf("    WININIT.INI [rename] %s\n", line.c_str());
            ++waiting;
        }
    } else {
        for (const PendingOperation& op : PendingFileRenames()) {
            if (op.replacement.empty()) {
                printf("    delete  %s\n", op.path.c_str());
            } else {
                printf("    replace %s by %s\n", op.replacement.c_str(), op.path.c_str());
            }
            ++waiting;
        }
    }
    if (!waiting) printf("    nothing\n");
    VirtualReader reader;
    printf("Card reader\n    %-8s %s\n", IsPluggedIn(reader) ? "plugged" : "-", reader.InstanceId().c_str());
    return 0;
}
