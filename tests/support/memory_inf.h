// INF files in memory, read as the system's parser reads them, for the pure tests of
// DiscCheck's INF checks: sections by name in any letter case (equal names joined),
// "key = value, value" lines and lines of values alone, ";" comments outside quotes,
// quotes taken off, %strings% put in from [Strings]. A section header without its "]"
// stops the parser at that line.
#pragma once
#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "disccheck/inf_source.h"

namespace support {

class MemoryInfs : public InfSource {
public:
    // The INF files by their full paths.
    std::map<std::string, std::string> files;

    bool Open(const char* path, unsigned& errorLine) override {
        sections_.clear();
        errorLine = 0;
        auto file = files.find(path);
        if (file == files.end()) return false;
        std::vector<Line>* section = nullptr;
        unsigned number = 0;
        size_t pos = 0;
        const std::string& text = file->second;
        while (pos <= text.size()) {
            size_t end = std::min(text.find('\n', pos), text.size());
            std::string raw = WithoutComment(text.substr(pos, end - pos));
            pos = end + 1;
            ++number;
            if (raw.empty()) continue;
            if (raw[0] == '[') {
                size_t close = raw.find(']');
                if (close == std::string::npos) {
                    errorLine = number;
                    sections_.clear();
                    return false;
                }
                section = &sections_[Lower(raw.substr(1, close - 1))];
                continue;
            }
            if (section) section->push_back(Split(raw));
        }
        return true;
    }

    int LineCount(const char* section) const override {
        auto found = sections_.find(Lower(section));
        return found == sections_.end() ? -1 : static_cast<int>(found->second.size());
    }

    int FieldCount(const char* section, int line) const override {
        const Line* l = Find(section, line);
        return l ? static_cast<int>(l->values.size()) : 0;
    }

    InfField ReadField(const char* section, int line, int field, char* dst, size_t size) const override {
        const Line* l = Find(section, line);
        if (!l || field < 0 || size == 0) return InfField::MISSING;
        if (field == 0 && !l->hasKey) return InfField::MISSING;
        if (field > 0 && static_cast<size_t>(field) > l->values.size()) return InfField::MISSING;
        std::string value = Substituted(field == 0 ? l->key : l->values[field - 1]);
        if (value.size() + 1 > size) return InfField::TOO_LONG;
        memcpy(dst, value.c_str(), value.size() + 1);
        return InfField::READ;
    }

private:
    struct Line {
        bool hasKey = false;
        std::string key;
        std::vector<std::string> values;
    };

    static std::string Lower(std::string text) {
        for (char& c : text) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
        return text;
    }

    static std::string Trimmed(const std::string& text) {
        size_t first = text.find_first_not_of(" \t\r");
        if (first == std::string::npos) return "";
        return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
    }

    static std::string WithoutComment(const std::string& line) {
        bool quoted = false;
        for (size_t i = 0; i < line.size(); ++i) {
            if (line[i] == '"') quoted = !quoted;
            if (line[i] == ';' && !quoted) return Trimmed(line.substr(0, i));
        }
        return Trimmed(line);
    }

    static std::string Unquoted(const std::string& field) {
        std::string out;
        for (char c : Trimmed(field)) {
            if (c != '"') out += c;
        }
        return out;
    }

    static Line Split(const std::string& raw) {
        Line line;
        std::string rest = raw;
        size_t equals = std::string::npos;
        bool quoted = false;
        for (size_t i = 0; i < raw.size() && equals == std::string::npos; ++i) {
            if (raw[i] == '"') quoted = !quoted;
            if (raw[i] == '=' && !quoted) equals = i;
        }
        if (equals != std::string::npos) {
            line.hasKey = true;
            line.key = Unquoted(raw.substr(0, equals));
            rest = raw.substr(equals + 1);
        }
        std::string field;
        quoted = false;
        for (char c : rest) {
            if (c == '"') quoted = !quoted;
            if (c == ',' && !quoted) {
                line.values.push_back(Unquoted(field));
                field.clear();
            } else {
                field += c;
            }
        }
        line.values.push_back(Unquoted(field));
        return line;
    }

    const Line* Find(const char* section, int line) const {
        auto found = sections_.find(Lower(section));
        if (found == sections_.end() || line < 0 || static_cast<size_t>(line) >= found->second.size()) return nullptr;
        return &found->second[line];
    }

    std::string Substituted(const std::string& text) const {
        std::string out;
        for (size_t i = 0; i < text.size(); ++i) {
            size_t close = text[i] == '%' ? text.find('%', i + 1) : std::string::npos;
            if (close == std::string::npos) {
                out += text[i];
                continue;
            }
            std::string name = text.substr(i + 1, close - i - 1);
            out += name.empty() ? "%" : StringValue(name, text.substr(i, close - i + 1));
            i = close;
        }
        return out;
    }

    std::string StringValue(const std::string& name, const std::string& unresolved) const {
        auto strings = sections_.find("strings");
        if (strings == sections_.end()) return unresolved;
        for (const Line& line : strings->second) {
            if (line.hasKey && Lower(line.key) == Lower(name) && !line.values.empty()) return line.values[0];
        }
        return unresolved;
    }

    std::map<std::string, std::vector<Line>> sections_;
};

}  // namespace support
