#include "journal.h"
#include "../text/bounded_text.h"

namespace {

// Room for the longest line: three paths, a command line or an error text of their
// bounded sizes, and the words around them.
const size_t LINE_SIZE = 1024;
const size_t ERROR_TEXT_SIZE = 256;

const uint32_t FILE_NOT_FOUND = 2;
const uint32_t PATH_NOT_FOUND = 3;
const uint32_t ALREADY_EXISTS = 183;

const char* Phrase(Act act) {
    switch (act) {
    case Act::WriteValue: return "write registry value %s";
    case Act::DeleteValue: return "delete registry value %s";
    case Act::DeleteKey: return "delete registry key %s";
    case Act::CreateFolder: return "create folder %s";
    case Act::RemoveFolder: return "remove folder %s";
    case Act::Copy: return "copy %s to %s";
    case Act::Delete: return "delete file %s";
    case Act::SaveShortcut: return "save shortcut %s";
    case Act::RemoveDeviceNode: return "remove device node %s";
    }
    return "%s";
}

bool IsDeletion(Act act) {
    return act == Act::DeleteValue || act == Act::DeleteKey || act == Act::RemoveFolder || act == Act::Delete ||
           act == Act::RemoveDeviceNode;
}

// Win32 errors in decimal, HRESULTs in hexadecimal, as the system's tools show them.
void ComposeErrorNumber(uint32_t error, char (&text)[16]) {
    if (error < 0x10000) {
        ComposeInto(text, "%u", static_cast<unsigned>(error));
        return;
    }
    static const char DIGITS[] = "0123456789ABCDEF";
    char* p = text;
    *p++ = '0';
    *p++ = 'x';
    for (int shift = 28; shift >= 0; shift -= 4) *p++ = DIGITS[(error >> shift) & 0xF];
    *p = '\0';
}

void ComposeTwoDigits(unsigned value, char (&text)[3]) {
    text[0] = static_cast<char>('0' + value / 10 % 10);
    text[1] = static_cast<char>('0' + value % 10);
    text[2] = '\0';
}

}  // namespace

void Journal::Write(const char* line) {
    if (sink_) sink_->WriteLine(line);
}

void Journal::Begin(const char* version, const JournalTime& t, const char* commandLine) {
    if (!sink_) return;
    char month[3], day[3], hour[3], minute[3], second[3];
    ComposeTwoDigits(t.month, month);
    ComposeTwoDigits(t.day, day);
    ComposeTwoDigits(t.hour, hour);
    ComposeTwoDigits(t.minute, minute);
    ComposeTwoDigits(t.second, second);
    char line[LINE_SIZE];
    if (!ComposeInto(line, "Setup %s, %u-%s-%s %s:%s:%s, command line: %s", version, t.year, month, day, hour,
                     minute, second, commandLine)) {
        ComposeInto(line, "Setup %s, %u-%s-%s %s:%s:%s, command line too long for the log", version, t.year, month,
                    day, hour, minute, second);
    }
    Write(line);
}

void Journal::Fact(const char* what, const char* value) {
    if (!sink_) return;
    char line[LINE_SIZE];
    if (!ComposeInto(line, "%s: %s", what, value)) ComposeInto(line, "%s: (too long for the log)", what);
    Write(line);
}

void Journal::Fact(const char* what, bool value) { Fact(what, value ? "yes" : "no"); }

void Journal::ComposeOutcome(Act act, Outcome outcome, char* text, size_t size) {
    switch (outcome.kind) {
    case Outcome::DONE: Compose(text, size, ": done"); return;
    case Outcome::SKIPPED: Compose(text, size, ": not done, for want of what it needs"); return;
    case Outcome::AT_RESTART:
        Compose(text, size, act == Act::RemoveFolder ? ": holds only what goes at the next restart; removed then"
                                                     : ": in use; done at the next restart");
        return;
    case Outcome::FAILED: break;
    }
    if (IsDeletion(act) && (outcome.error == FILE_NOT_FOUND || outcome.error == PATH_NOT_FOUND)) {
        Compose(text, size, ": not there");
        return;
    }
    if (act == Act::CreateFolder && outcome.error == ALREADY_EXISTS) {
        Compose(text, size, ": already there");
        return;
    }
    char number[16];
    ComposeErrorNumber(outcome.error, number);
    char reason[ERROR_TEXT_SIZE] = "";
    sink_->DescribeError(outcome.error, reason, sizeof reason);
    if (!reason[0] || !Compose(text, size, ": failed: error %s: %s", number, reason)) {
        Compose(text, size, ": failed: error %s", number);
    }
}

void Journal::Record(Act act, const char* target, Outcome outcome) { Record(act, target, nullptr, outcome); }

void Journal::Record(Act act, const char* target, const char* destination, Outcome outcome) {
    if (!sink_) return;
    char what[LINE_SIZE];
    char result[LINE_SIZE];
    char line[LINE_SIZE];
    ComposeOutcome(act, outcome, result, sizeof result);
    bool fits = destination ? ComposeInto(what, Phrase(act), target, destination) : ComposeInto(what, Phrase(act), target);
    if (!fits || !ComposeInto(line, "%s%s", what, result)) ComposeInto(line, "(an action too long for the log)%s", result);
    Write(line);
}

void Journal::RecordReplacementAtRestart(const char* source, const char* destination, const char* fresh) {
    if (!sink_) return;
    char line[LINE_SIZE];
    if (!ComposeInto(line, "copy %s to %s: in use; the copy waits as %s and replaces it at the next restart", source,
                     destination, fresh)) {
        ComposeInto(line, "copy %s: in use; replaced at the next restart", destination);
    }
    Write(line);
}

void Journal::ProgramStarting(const char* commandLine) { Fact("start program", commandLine); }

void Journal::ProgramEnded(const char* program, const ProgramEnd& end) {
    if (!sink_) return;
    char line[LINE_SIZE];
    char reason[ERROR_TEXT_SIZE] = "";
    char number[16];
    bool fits = false;
    switch (end.kind) {
    case ProgramEnd::EXITED:
        ComposeErrorNumber(end.exitCode, number);
        fits = ComposeInto(line, "%s ended with exit code %s", program, number);
        break;
    case ProgramEnd::NOT_STARTED:
        ComposeErrorNumber(end.startError, number);
        sink_->DescribeError(end.startError, reason, sizeof reason);
        fits = ComposeInto(line, reason[0] ? "%s could not be started: error %s: %s" : "%s could not be started: error %s",
                           program, number, reason);
        break;
    case ProgramEnd::STILL_RUNNING:
        fits = ComposeInto(line, "%s still runs after %u seconds; left running", program, end.limitSeconds);
        break;
    }
    if (!fits) ComposeInto(line, "(the end of a program, too long for the log)");
    Write(line);
}

void Journal::End(int exitCode) {
    if (!sink_) return;
    char line[32];
    ComposeInto(line, "exit code %d", exitCode);
    Write(line);
}
