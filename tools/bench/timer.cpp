// Times Setup.exe against floors that do the least the same job needs, in pairs (A B A B
// ...) inside one Windows session, so that no run pays for Wine starting its desktop,
// and prints each comparison's median ratio A / B.
//   bench_timer.exe pairs <disc folder with Setup.exe> <floor folder> <rounds>
//   bench_timer.exe hold <file>     keeps the desktop up until the file exists
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

double Milliseconds() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Every program measured writes its standard output to NUL.
HANDLE NullOutput() {
    static HANDLE nul = [] {
        SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
        return CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr);
    }();
    return nul;
}

PROCESS_INFORMATION Start(const std::string& commandLine) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = NullOutput();
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process = {};
    std::string line = commandLine;
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
        fprintf(stderr, "bench_timer: cannot start %s\n", commandLine.c_str());
        exit(3);
    }
    CloseHandle(process.hThread);
    return process;
}

// From the start until the program has ended.
double UntilExit(const std::string& commandLine) {
    double start = Milliseconds();
    PROCESS_INFORMATION process = Start(commandLine);
    WaitForSingleObject(process.hProcess, INFINITE);
    double elapsed = Milliseconds() - start;
    CloseHandle(process.hProcess);
    return elapsed;
}

struct PageSearch {
    DWORD processId;
    bool shown;
};

BOOL CALLBACK FindShownDialog(HWND window, LPARAM parameter) {
    PageSearch& search = *reinterpret_cast<PageSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[16];
    if (owner == search.processId && IsWindowVisible(window) && GetClassNameA(window, className, sizeof className) &&
        lstrcmpA(className, "#32770") == 0) {
        search.shown = true;
        return FALSE;
    }
    return TRUE;
}

// From the start until the program shows a dialog; the program is then ended.
double UntilDialogShown(const std::string& commandLine) {
    double start = Milliseconds();
    PROCESS_INFORMATION process = Start(commandLine);
    PageSearch search = {process.dwProcessId, false};
    while (!search.shown && WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
        EnumWindows(FindShownDialog, reinterpret_cast<LPARAM>(&search));
        if (!search.shown) Sleep(1);
    }
    double elapsed = Milliseconds() - start;
    if (!search.shown) fprintf(stderr, "bench_timer: %s ended without a dialog\n", commandLine.c_str());
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hProcess);
    return elapsed;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Comparison {
    const char* name;
    const char* unit;
    std::function<double()> a;
    std::function<double()> b;
};

void Compare(const Comparison& c, int rounds) {
    c.a();   // one pair to warm the caches, not counted
    c.b();
    std::vector<double> as, bs, ratios;
    for (int i = 0; i < rounds; ++i) {
        double a = c.a();
        double b = c.b();
        as.push_back(a);
        bs.push_back(b);
        ratios.push_back(b > 0 ? a / b : 0);
    }
    printf("%-58s %5.2fx   (median %.0f %s against %.0f %s, %d pairs)\n", c.name, Median(ratios), Median(as), c.unit,
           Median(bs), c.unit, rounds);
    fflush(stdout);
}

// The command line Setup.exe handed the helper last, as the helper stub logged it.
std::string LastHelperCommandLine(const std::string& disc) {
    std::string last;
    if (FILE* log = fopen((disc + "\\helper.log").c_str(), "rb")) {
        char line[2048];
        while (fgets(line, sizeof line, log)) {
            std::string text = line;
            while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
            if (text.rfind("title=", 0) == 0) last = text.substr(6);
        }
        fclose(log);
    }
    return last;
}

// The program of a command line: its first argument, without quotes.
std::string ProgramOf(const std::string& commandLine) {
    if (!commandLine.empty() && commandLine[0] == '"') return commandLine.substr(1, commandLine.find('"', 1) - 1);
    return commandLine.substr(0, commandLine.find(' '));
}

}  // namespace

int Hold(const char* stopFile) {
    while (GetFileAttributesA(stopFile) == INVALID_FILE_ATTRIBUTES) Sleep(100);
    return 0;
}

int main(int argc, char** argv) {
    GetDesktopWindow();   // the desktop process starts now, not during a measured run
    if (argc == 3 && std::string(argv[1]) == "hold") return Hold(argv[2]);
    if (argc != 5 || std::string(argv[1]) != "pairs") {
        fprintf(stderr, "usage: bench_timer.exe pairs <disc folder> <floor folder> <rounds> | hold <file>\n");
        return 64;
    }
    const std::string disc = argv[2];
    const std::string floors = argv[3];
    const int rounds = atoi(argv[4]) > 0 ? atoi(argv[4]) : 5;
    const std::string setup = "\"" + disc + "\\Setup.exe\"";

    SetEnvironmentVariableA("STUB_SLEEP_MS", "0");
    UntilExit(setup + " -q");
    const std::string helper = LastHelperCommandLine(disc);
    if (helper.empty()) {
        fprintf(stderr, "bench_timer: Setup.exe -q ran no helper (is a reader plugged in?)\n");
        return 3;
    }
    const std::string launcher = "\"" + floors + "\\bench_launcher.exe\" \"" + ProgramOf(helper) + "\" " + helper;

    Compare({"quiet installation: Setup.exe -q / bare launcher", "ms",
             [&] { return UntilExit(setup + " -q"); }, [&] { return UntilExit(launcher); }},
            rounds);
    const std::string empty = "\"" + floors + "\\bench_empty.exe\"";
    // The start-up steps run beside Setup.exe, so that they read the same setup.ini.
    const std::string steps = "\"" + disc + "\\bench_startup_steps.exe\"";
    Compare({"a start that does nothing: Setup.exe -Embedding / empty", "ms",
             [&] { return UntilExit(setup + " -Embedding"); }, [&] { return UntilExit(empty); }},
            rounds);
    Compare({"  of which the start-up's system calls alone / empty", "ms", [&] { return UntilExit(steps); },
             [&] { return UntilExit(empty); }},
            rounds);
    Compare({"  and Setup.exe -Embedding / those calls alone", "ms",
             [&] { return UntilExit(setup + " -Embedding"); }, [&] { return UntilExit(steps); }},
            rounds);
    Compare({"the wizard's first page: Setup.exe / bare dialog", "ms",
             [&] { return UntilDialogShown(setup); },
             [&] { return UntilDialogShown("\"" + floors + "\\bench_dialog.exe\""); }},
            rounds);
    return 0;
}
