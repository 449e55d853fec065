#include "report_writer.h"
#include "../text/bounded_text.h"

ReportWriter& ReportWriter::Put(const char* text) {
    sink_.Write(text, TextLength(text));
    return *this;
}

ReportWriter& ReportWriter::Value(const char* text) {
    static const char HEX[] = "0123456789ABCDEF";
    const char* run = text;
    const char* p = text;
    for (; *p; ++p) {
        unsigned char c = static_cast<unsigned char>(*p);
        if (c >= ' ' && c <= '~') continue;
        sink_.Write(run, static_cast<size_t>(p - run));
        char escaped[] = {'<', 'x', HEX[c >> 4], HEX[c & 15], '>'};
        sink_.Write(escaped, sizeof escaped);
        run = p + 1;
    }
    sink_.Write(run, static_cast<size_t>(p - run));
    return *this;
}

ReportWriter& ReportWriter::Number(long value) {
    char digits[24];
    ComposeInto(digits, "%d", static_cast<int>(value));
    return Put(digits);
}

void ReportWriter::EndLine() { sink_.Write("\r\n", 2); }
