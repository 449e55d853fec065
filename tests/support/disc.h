// A driver disc laid out for a test: Setup.exe, setup.ini, the stub helper
// installers and tray monitor, the driver files and the icon library.
#pragma once
#include <string>
#include <vector>

#include "process.h"

namespace support {

// One start of a stub helper installer, as it recorded it.
struct HelperRun {
    std::string program;       // its own full path
    std::string commandLine;   // GetCommandLineA()
    std::string title;         // GetStartupInfoA().lpTitle: the command line as its parent passed it
    std::string watched;       // %STUB_WATCH% at its start: writable, read-only or missing
};

class Disc {
public:
    explicit Disc(std::string folder = "C:\\Driver Disc");

    // Lays out the disc; the sample setup.ini unless another text is given.
    void Lay();
    void Lay(const std::string& setupIni);
    void WriteSetupIni(const std::string& text);
    void Remove(const std::string& relativePath);
    // Every file of the disc read-only, as on a CD.
    void MakeReadOnly();
    // The stub helpers record their runs here from now on, not beside themselves (a CD
    // takes no writes).
    void KeepHelperLogAt(const std::string& path);

    const std::string& Folder() const { return folder_; }
    std::string Path(const std::string& relativePath) const { return folder_ + "\\" + relativePath; }

    // Runs Setup.exe from the disc with these arguments.
    RunResult RunSetup(const std::string& arguments, unsigned long timeoutMs = 120000,
                       Rights rights = Rights::Administrator) const;

    std::vector<HelperRun> HelperRuns() const;

    // The command line Setup.exe hands a helper on this disc: the Windows 98 form
    // quotes the helper and puts "ENUM\" before the device, the other form does not.
    std::string HelperCommandLine(const std::string& helper, const std::string& infPath, const std::string& device,
                                  bool windows98Form = false) const;

private:
    std::string folder_;
    std::string helperLog_;
};

// Where an installation from the disc leaves its settings (under HKLM).
inline constexpr char PARAMETERS[] = "System\\CurrentControlSet\\Services\\ZELK\\Parameters\\";
inline constexpr char USB_ICON[] = "Software\\JOV Technologies\\USB Icon\\";
inline constexpr char RUN_KEY[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

// What a removal leaves of an installation by design, as footprint entries: the copy of
// Setup.exe it may run from, in `programFolder` (Program Files\Vendor\Product), with its
// folders; the settings keys, emptied; on 98 and Me the tray monitor and its Run value.
std::vector<std::string> KeptByRemoval(const std::string& programFolder, bool windows9x);

// The Windows family that programs started from now on see: win98, winme, win2k,
// winxp, winxp64, vista, win7 (Wine's HKCU\Software\Wine\Version).
void SetWindowsFamily(const std::string& family);
std::string WindowsFamily();
// A 64-bit Windows: this process is 64-bit (the twin build), or a 32-bit one under WOW64.
bool Is64BitWindows();
// A 32-bit process on 64-bit Windows: its system32 is SysWOW64, its Program Files "(x86)".
bool RunsUnderWow64();
// Windows 98 or Me, as the system reports itself.
bool IsWindows9x();

// What the stub helper installers do when started: sleep, then exit with a code.
void SetHelperBehaviour(unsigned sleepMs, unsigned exitCode);

// A gate for the stub helpers started while it lives: each records its run, then waits
// while the gate is closed. A test closes it to watch the installation while its helper
// runs, for as long as it needs, then opens it. It starts open and opens at its end.
class HelperGate {
public:
    HelperGate();
    ~HelperGate();
    HelperGate(const HelperGate&) = delete;
    HelperGate& operator=(const HelperGate&) = delete;
    void Close();
    void Open();

private:
    void* event_;   // set while open
};

}  // namespace support
