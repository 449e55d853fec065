// The run log: what start-up found and every action of the glue with its target and
// outcome, one line each. The lines are composed here, without any window or system
// call; a sink writes them, and gives the system's words for an error.
#pragma once
#include <stddef.h>
#include <stdint.h>

class JournalSink {
public:
    virtual void WriteLine(const char* line) = 0;
    // The system's text for an error number, on one line; empty when it has none.
    virtual void DescribeError(uint32_t error, char* text, size_t size) = 0;

protected:
    ~JournalSink() = default;
};

// What the glue does.
enum class Act : uint8_t {
    WriteValue,
    DeleteValue,
    DeleteKey,
    CreateFolder,
    RemoveFolder,
    Copy,
    Delete,
    SaveShortcut,
    RemoveDeviceNode,
};

// How an action ended. A deletion that finds nothing ended "not there".
struct Outcome {
    enum Kind : uint8_t {
        DONE,
        AT_RESTART,   // the file was in use: the system finishes the action at its next restart
        FAILED,
        SKIPPED,      // not tried: what it needed was not there
    };
    Kind kind;
    uint32_t error;   // FAILED: the system's error number (a Win32 error or an HRESULT)

    static Outcome Done() { return {DONE, 0}; }
    static Outcome AtRestart() { return {AT_RESTART, 0}; }
    static Outcome Failed(uint32_t error) { return {FAILED, error}; }
    static Outcome Skipped() { return {SKIPPED, 0}; }
    static Outcome Of(bool succeeded, uint32_t error) { return succeeded ? Done() : Failed(error); }
};

struct JournalTime {
    unsigned year, month, day, hour, minute, second;
};

// How a program the run started ended.
struct ProgramEnd {
    enum Kind : uint8_t { EXITED, NOT_STARTED, STILL_RUNNING } kind;
    uint32_t exitCode;       // EXITED
    uint32_t startError;     // NOT_STARTED
    unsigned limitSeconds;   // STILL_RUNNING
};

class Journal {
public:
    Journal() = default;   // records nothing
    explicit Journal(JournalSink* sink) : sink_(sink) {}

    bool Recording() const { return sink_ != nullptr; }

    // The first line: who runs, when, and as what.
    void Begin(const char* version, const JournalTime& now, const char* commandLine);
    // A fact of start-up: "what: value".
    void Fact(const char* what, const char* value);
    void Fact(const char* what, bool value);

    void Record(Act act, const char* target, Outcome outcome);
    // An action on two things: a copy's source and destination.
    void Record(Act act, const char* target, const char* destination, Outcome outcome);
    // A file in use whose copy waits beside it: "copy S to D: in use, replaced by F at the next restart".
    void RecordReplacementAtRestart(const char* source, const char* destination, const char* fresh);

    void ProgramStarting(const char* commandLine);
    void ProgramEnded(const char* program, const ProgramEnd& end);

    // The last line.
    void End(int exitCode);

private:
    void Write(const char* line);
    // ": done", ": failed: error 5: Access is denied." and the like.
    void ComposeOutcome(Act act, Outcome outcome, char* text, size_t size);

    JournalSink* sink_ = nullptr;
};
