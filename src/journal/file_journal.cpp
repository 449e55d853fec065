#include "file_journal.h"

bool FileJournal::Open(const char* path) {
    if (IsOpen()) CloseHandle(file_);
    file_ = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                        FILE_ATTRIBUTE_NORMAL, nullptr);
    return IsOpen();
}

FileJournal::~FileJournal() {
    if (IsOpen()) CloseHandle(file_);
}

void FileJournal::WriteLine(const char* line) {
    if (!IsOpen()) return;
    // Another run may have appended meanwhile: always at the end.
    SetFilePointer(file_, 0, nullptr, FILE_END);
    DWORD written = 0;
    WriteFile(file_, line, lstrlenA(line), &written, nullptr);
    WriteFile(file_, "\r\n", 2, &written, nullptr);
}

void FileJournal::DescribeError(uint32_t error, char* text, size_t size) {
    if (size == 0) return;
    text[0] = '\0';
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text,
                                  static_cast<DWORD>(size), nullptr);
    if (length == 0 || length >= size) {
        text[0] = '\0';
        return;
    }
    // One line: the system's text ends with a line break, and some hold more inside.
    for (DWORD i = 0; i < length; ++i) {
        if (text[i] == '\r' || text[i] == '\n') text[i] = ' ';
    }
    while (length > 0 && text[length - 1] == ' ') text[--length] = '\0';
}

JournalTime LocalTimeNow() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}
