// The run log in a file: every line appended with CR LF as it is recorded, so that a
// run that ends abruptly keeps what it did until then.
#pragma once
#include <windows.h>

#include "journal.h"

class FileJournal final : public JournalSink {
public:
    FileJournal() = default;
    ~FileJournal();
    // Opens path for appending (making it when absent). False when it cannot be opened:
    // then nothing is recorded, and the run goes on as without a log.
    bool Open(const char* path);
    FileJournal(const FileJournal&) = delete;
    FileJournal& operator=(const FileJournal&) = delete;

    bool IsOpen() const { return file_ != INVALID_HANDLE_VALUE; }

    void WriteLine(const char* line) override;
    void DescribeError(uint32_t error, char* text, size_t size) override;

private:
    HANDLE file_ = INVALID_HANDLE_VALUE;
};

// The local time now, for the log's first line.
JournalTime LocalTimeNow();
