#include "disc.h"

#include <windows.h>

#include "files.h"
#include "registry.h"

namespace support {

namespace {

const char* const STUB_COPIES[][2] = {
    {"helper_stub.exe", "Tarnel98.exe"},
    {"helper_stub.exe", "Tarnel2k.exe"},
    {"helper_stub.exe", "Tarnel64.exe"},
    {"tray_stub.exe", "TRAYM.exe"},
    {"ZELKI_J.dll", "ZELKI_J.dll"},
};

// The Setup.exe a disc gets: the build's own, or the file beside the test that
// SETUP_IMAGE names (a signed copy).
std::string SetupImage() {
    char name[MAX_PATH];
    DWORD length = GetEnvironmentVariableA("SETUP_IMAGE", name, sizeof name);
    return length && length < sizeof name ? name : "Setup.exe";
}

void CopyTree(const std::string& from, const std::string& to) {
    CreateFolders(to);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((from + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            CopyTree(from + "\\" + name, to + "\\" + name);
        } else {
            CopyFileOver(from + "\\" + name, to + "\\" + name);
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

}  // namespace

Disc::Disc(std::string folder) : folder_(std::move(folder)), helperLog_(Path("helper.log")) {}

void Disc::Lay() {
    CopyTree(BinDir() + "\\sample-disc", folder_);
    for (const auto& copy : STUB_COPIES) CopyFileOver(BinDir() + "\\" + copy[0], Path(copy[1]));
    CopyFileOver(BinDir() + "\\" + SetupImage(), Path("Setup.exe"));
    RemoveFileForce(helperLog_);
}

void Disc::Lay(const std::string& setupIni) {
    Lay();
    WriteSetupIni(setupIni);
}

void Disc::WriteSetupIni(const std::string& text) { WriteFileText(Path("setup.ini"), text); }

void Disc::Remove(const std::string& relativePath) { RemoveFileForce(Path(relativePath)); }

void Disc::KeepHelperLogAt(const std::string& path) {
    helperLog_ = path;
    RemoveFileForce(helperLog_);
    SetEnv("STUB_LOG", helperLog_);
}

void Disc::MakeReadOnly() {
    for (const std::string& file : FilesUnder(folder_)) support::MakeReadOnly(file);
}

std::string Disc::HelperCommandLine(const std::string& helper, const std::string& infPath,
                                    const std::string& device, bool windows98Form) const {
    const std::string inf = "\"" + folder_ + infPath + "\"";
    if (windows98Form) return "\"" + Path(helper) + "\" " + inf + " ENUM\\" + device;
    return Path(helper) + " " + inf + " " + device;
}

RunResult Disc::RunSetup(const std::string& arguments, unsigned long timeoutMs, Rights rights) const {
    std::string commandLine = "\"" + Path("Setup.exe") + "\"";
    if (!arguments.empty()) commandLine += " " + arguments;
    return Run(commandLine, timeoutMs, rights);
}

std::vector<HelperRun> Disc::HelperRuns() const {
    // The stub writes "program=", "command=", "title=", "watched=" lines and ends each
    // run with "--".
    std::vector<HelperRun> runs;
    HelperRun run;
    for (const std::string& line : TextLines(ReadFileText(helperLog_))) {
        if (line == "--") {
            runs.push_back(run);
            run = HelperRun();
        } else if (line.rfind("program=", 0) == 0) {
            run.program = line.substr(8);
        } else if (line.rfind("command=", 0) == 0) {
            run.commandLine = line.substr(8);
        } else if (line.rfind("title=", 0) == 0) {
            run.title = line.substr(6);
        } else if (line.rfind("watched=", 0) == 0) {
            run.watched = line.substr(8);
        }
    }
    return runs;
}

std::vector<std::string> KeptByRemoval(const std::string& programFolder, bool windows9x) {
    std::vector<std::string> kept = {programFolder.substr(0, programFolder.find_last_of('\\') + 1), programFolder + "\\",
                                     programFolder + "\\Setup.exe"};
    if (windows9x) {
        kept.insert(kept.end(), {"HKLM\\Software\\JOV Technologies\\", "HKLM\\" + std::string(USB_ICON),
                                 WindowsDir() + "\\TRAYM.exe", "HKLM\\" + std::string(RUN_KEY) + "\\:HidMonitor"});
    } else {
        kept.insert(kept.end(), {"HKLM\\System\\CurrentControlSet\\Services\\ZELK\\", "HKLM\\" + std::string(PARAMETERS)});
    }
    return kept;
}

void SetWindowsFamily(const std::string& family) {
    WriteString(HKEY_CURRENT_USER, "Software\\Wine", "Version", family);
}

std::string WindowsFamily() {
    RegValue value = ReadValue(HKEY_CURRENT_USER, "Software\\Wine", "Version");
    if (!value.exists || value.data.empty()) return "";
    return std::string(reinterpret_cast<const char*>(value.data.data()));
}

bool Is64BitWindows() { return sizeof(void*) == 8 || RunsUnderWow64(); }

bool RunsUnderWow64() {
    BOOL wow64 = FALSE;
    IsWow64Process(GetCurrentProcess(), &wow64);
    return wow64 != FALSE;
}

bool IsWindows9x() {
    OSVERSIONINFOA version = {sizeof version};
    return GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
}

void SetHelperBehaviour(unsigned sleepMs, unsigned exitCode) {
    SetEnv("STUB_SLEEP_MS", std::to_string(sleepMs));
    SetEnv("STUB_EXIT_CODE", std::to_string(exitCode));
}

namespace {
const char GATE_EVENT[] = "SetupTestHelperGate";
}

HelperGate::HelperGate() : event_(CreateEventA(nullptr, TRUE, TRUE, GATE_EVENT)) {
    EXPECT_NE(nullptr, event_) << "cannot make the event " << GATE_EVENT;
    SetEnv("STUB_GATE", GATE_EVENT);
}

HelperGate::~HelperGate() {
    Open();
    SetEnv("STUB_GATE", "");
    if (event_) CloseHandle(event_);
}

void HelperGate::Close() {
    if (event_) ResetEvent(event_);
}

void HelperGate::Open() {
    if (event_) SetEvent(event_);
}

}  // namespace support
