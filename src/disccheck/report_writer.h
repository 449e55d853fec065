// The check's report: plain ASCII lines, so that a build script can keep it as a log.
#pragma once
#include <stddef.h>

// Where the report goes.
class TextSink {
public:
    virtual void Write(const char* text, size_t length) = 0;

protected:
    ~TextSink() = default;
};

class ReportWriter {
public:
    explicit ReportWriter(TextSink& sink) : sink_(sink) {}

    // Text of our own.
    ReportWriter& Put(const char* text);
    // Text from the disc: a byte that is not printable ASCII shows as <xNN>.
    ReportWriter& Value(const char* text);
    ReportWriter& Number(long value);
    // "\r\n"
    void EndLine();
    // A whole line of our own.
    void Line(const char* text) { Put(text).EndLine(); }

private:
    TextSink& sink_;
};
