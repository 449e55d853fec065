// What the fuzz targets share: the input read as lines, a check that stops the run at
// the first broken property (libFuzzer keeps the input as a crash artifact), and a
// model of how Windows reads the part of a path below its base folder.
#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "../support/code_pages.h"
#include "state/ini_source.h"
#include "text/double_byte.h"

namespace fuzz {

[[noreturn]] inline void Fail(const char* property, const char* file, int line, const std::string& detail) {
    fprintf(stderr, "%s:%d: property broken: %s\n  %s\n", file, line, property, detail.c_str());
    abort();
}

#define FUZZ_CHECK(condition, detail)                                              \
    do {                                                                           \
        if (!(condition)) ::fuzz::Fail(#condition, __FILE__, __LINE__, (detail)); \
    } while (0)

// Every field ends inside its bound.
template <size_t N>
bool Terminated(const char (&field)[N]) {
    return memchr(field, '\0', N) != nullptr;
}
#define FUZZ_CHECK_TERMINATED(field) FUZZ_CHECK(::fuzz::Terminated(field), #field)

// The input as lines, without their "\r".
inline std::vector<std::string> Lines(const uint8_t* data, size_t size) {
    std::vector<std::string> lines(1);
    for (size_t i = 0; i < size; ++i) {
        char c = static_cast<char>(data[i]);
        if (c == '\n') {
            if (!lines.back().empty() && lines.back().back() == '\r') lines.back().pop_back();
            lines.emplace_back();
        } else {
            lines.back() += c;
        }
    }
    return lines;
}

// A code page by its number: 932 (Japanese), 936, 949 and 950 (Chinese and Korean),
// anything else a single-byte one.
inline LeadBytePredicate CodePage(long number) {
    if (number == 932) return support::ShiftJisLeadByte;
    if (number == 936 || number == 949 || number == 950) return support::Big5LeadByte;
    return nullptr;
}

// Printable bytes for a report.
inline std::string Shown(const std::string& text) {
    std::string shown;
    for (unsigned char c : text) {
        char hex[8];
        if (c >= 0x20 && c < 0x7F) {
            shown += static_cast<char>(c);
        } else {
            snprintf(hex, sizeof hex, "\\x%02X", c);
            shown += hex;
        }
    }
    return "\"" + shown + "\"";
}

// How Windows reads a path below its base folder: it splits at "\" and "/" (never at the
// second byte of a double-byte character) and drops the trailing dots and blanks of
// each part, so a part of dots and blanks alone, ".." among them, names no file below
// the base. A colon names a drive or a stream; an unfinished double-byte character
// at the end swallows whatever is composed after it. The number of parts when every
// part names a file or folder below the previous one; -1 otherwise.
inline int PartsBelowBase(const std::string& relative, LeadBytePredicate isLeadByte) {
    std::vector<std::string> parts(1);
    for (size_t i = 0; i < relative.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(relative[i]);
        if (isLeadByte && isLeadByte(c)) {
            if (i + 1 == relative.size()) return -1;
            parts.back() += relative.substr(i++, 2);
        } else if (c == '\\' || c == '/') {
            parts.emplace_back();
        } else if (c == ':') {
            return -1;
        } else {
            parts.back() += static_cast<char>(c);
        }
    }
    for (std::string part : parts) {
        while (!part.empty() && (part.back() == '.' || part.back() == ' ')) part.pop_back();
        if (part.empty()) return -1;
    }
    return static_cast<int>(parts.size());
}

// path is a known base folder, a backslash, and parts parts (any number when 0) that
// each name a file or folder below it.
inline bool LiesBelow(const std::string& path, const std::string& base, int parts, LeadBytePredicate isLeadByte) {
    if (base.empty() || path.compare(0, base.size() + 1, base + "\\") != 0) return false;
    int found = PartsBelowBase(path.substr(base.size() + 1), isLeadByte);
    return parts > 0 ? found == parts : found > 0;
}

// setup.ini as the profile functions read it: names in any case, the first of equal
// keys, values trimmed and cut to the room given.
class MemoryIni : public IniSource {
public:
    explicit MemoryIni(const std::vector<std::string>& lines) {
        std::string section;
        for (const std::string& line : lines) {
            if (!line.empty() && line[0] == '[') {
                section = Fold(line.substr(1, line.find(']') - 1));
                continue;
            }
            size_t equals = line.find('=');
            if (equals == std::string::npos) continue;
            values_.emplace(section + "/" + Fold(Trim(line.substr(0, equals))), Trim(line.substr(equals + 1)));
        }
    }
    void ReadText(const char* section, const char* key, const char* fallback, char* dst,
                  size_t size) const override {
        std::string text = Find(section, key, fallback);
        text = text.substr(0, std::min(text.size(), size - 1));
        memcpy(dst, text.c_str(), text.size() + 1);
    }
    int32_t ReadInt(const char* section, const char* key, int32_t fallback) const override {
        auto it = values_.find(Fold(section) + "/" + Fold(key));
        return it == values_.end() ? fallback : static_cast<int32_t>(strtoll(it->second.c_str(), nullptr, 10));
    }
    std::string Find(const char* section, const char* key, const char* fallback) const {
        auto it = values_.find(Fold(section) + "/" + Fold(key));
        return it == values_.end() ? fallback : it->second;
    }

private:
    static std::string Fold(std::string name) {
        for (char& c : name) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
        return name;
    }
    static std::string Trim(const std::string& text) {
        size_t start = text.find_first_not_of(" \t");
        if (start == std::string::npos) return "";
        return text.substr(start, text.find_last_not_of(" \t") - start + 1);
    }
    std::multimap<std::string, std::string> values_;
};

}  // namespace fuzz
