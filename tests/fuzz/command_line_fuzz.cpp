// The command line: the run switches, the framework's COM server start, the
// self-registration request and the type library's path beside the program.
//
// Input: the code page's number on the first line, then the arguments, one per line,
// the program's path first. The whole command line is the arguments joined by blanks.
//
// Properties:
// - -u/-uninstall and -q/-quiet set their flags exactly when one argument is one of
//   them, in any ASCII letter case; nothing else of the state changes and restartNow
//   is cleared;
// - the COM server start is "-" or "/" with Embedding or Automation as a whole argument;
// - the registration request is RegServer or UnregServer after a "-" or "/" at the very
//   end of the command line, in any ASCII letter case;
// - the type library's path is the program's path with its file name's extension (as
//   the code page's characters read) replaced by ".tlb", or refused and left empty
//   when it does not fit its room; nothing is written past the room.
#include <strings.h>

#include <memory>

#include "state/switches.h"
#include "com/registration_request.h"
#include "framework/command_line.h"
#include "fuzz_support.h"

using fuzz::Shown;

namespace {

bool IsOneOf(const std::string& arg, std::initializer_list<const char*> switches) {
    for (const char* s : switches) {
        if (strcasecmp(arg.c_str(), s) == 0) return true;
    }
    return false;
}

uint8_t Byte(const bool& flag) {
    uint8_t value;
    memcpy(&value, &flag, 1);
    return value;
}

void CheckSwitches(const std::vector<std::string>& args, std::vector<char*>& argv) {
    bool uninstall = false, quiet = false, comStart = false;
    for (size_t i = 1; i < args.size(); ++i) {
        uninstall = uninstall || IsOneOf(args[i], {"-u", "-uninstall"});
        quiet = quiet || IsOneOf(args[i], {"-q", "-quiet"});
        comStart = comStart || ((args[i][0] == '-' || args[i][0] == '/') &&
                                IsOneOf(args[i].substr(1), {"Embedding", "Automation"}));
    }
    // Every byte of the state but the three flags stays as it was.
    SetupState before, after;
    memset(&before, 0x5A, sizeof before);
    memcpy(&after, &before, sizeof after);
    ParseSwitches(static_cast<int>(argv.size()), argv.data(), after);
    FUZZ_CHECK(Byte(after.uninstallMode) == uninstall && Byte(after.quietMode) == quiet, "flags");
    FUZZ_CHECK(Byte(after.restartNow) == 0, "restartNow");
    for (bool* flag : {&after.uninstallMode, &after.quietMode, &after.restartNow}) memset(flag, 0x5A, 1);
    FUZZ_CHECK(memcmp(&before, &after, sizeof after) == 0, "other fields");
    FUZZ_CHECK(framework::IsComServerStart(static_cast<int>(argv.size()), argv.data()) == comStart, "COM start");
}

void CheckRegistrationRequest(const std::string& line) {
    auto endsWith = [&](const char* request) {
        const size_t n = strlen(request);
        return line.size() > n && strchr("-/", line[line.size() - n - 1]) && line[line.size() - n - 1] != '\0' &&
               strcasecmp(line.c_str() + line.size() - n, request) == 0;
    };
    const ComRequest expected = endsWith("UnregServer") ? ComRequest::Unregister
                                : endsWith("RegServer")  ? ComRequest::Register
                                                         : ComRequest::None;
    FUZZ_CHECK(FindComRequest(line.c_str()) == expected, Shown(line));
}

void CheckTypeLibraryPath(const std::string& path, LeadBytePredicate lead, size_t room) {
    size_t extension = path.size();
    for (size_t i = 0; i < path.size(); i += CharacterSize(path.c_str() + i, lead)) {
        if (CharacterSize(path.c_str() + i, lead) == 2) continue;
        if (path[i] == '.') extension = i;
        if (path[i] == '\\' || path[i] == '/' || path[i] == ':') extension = path.size();
    }
    const std::string expected = path.substr(0, extension) + ".tlb";
    std::unique_ptr<char[]> dst(new char[room + 1]);
    dst[room] = '#';
    const bool fits = TypeLibraryPathBeside(path.c_str(), lead, dst.get(), room);
    FUZZ_CHECK(dst[room] == '#', "written past the room");
    FUZZ_CHECK(fits == (expected.size() < room), Shown(path) + " " + std::to_string(room));
    if (fits) FUZZ_CHECK(expected == dst.get(), Shown(dst.get()));
    if (!fits && room > 0) FUZZ_CHECK(dst[0] == '\0', "refused and left empty");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::string> lines = fuzz::Lines(data, size);
    const LeadBytePredicate lead = fuzz::CodePage(strtol(lines[0].c_str(), nullptr, 10));
    std::vector<std::string> args;
    std::string line;
    for (size_t i = 1; i < lines.size(); ++i) {
        args.push_back(lines[i].c_str());   // as the runtime's strings end
        line += (i > 1 ? " " : "") + args.back();
    }
    if (args.empty()) args.push_back("Setup.exe");
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(&arg[0]);
    CheckSwitches(args, argv);
    CheckRegistrationRequest(line);
    CheckTypeLibraryPath(args[0], lead, (size + args[0].size()) % 300);
    return 0;
}
