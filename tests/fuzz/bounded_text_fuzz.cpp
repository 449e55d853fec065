// The bounded formatter and the text helpers of src/text.
//
// Input: the room in bytes on the first line, a format on the second, then one line
// per conversion: the text of a %s, the number of a %d or %u, the character of a %c.
//
// Properties:
// - a composition either equals a plain rendering of the format (std::string) and
//   fits its room with its terminator, or is refused and left empty; an unknown
//   conversion is always refused; nothing is written past the room (AddressSanitizer
//   watches a buffer of exactly that size);
// - CopyText is a composition of "%s"; TextLength, TextEquals, TextEqualsIgnoreCase,
//   FindText and UpperCaseAscii agree with the C library in the "C" locale.
#include <strings.h>

#include <cctype>
#include <memory>

#include "fuzz_support.h"
#include "text/bounded_text.h"

using fuzz::Shown;

namespace {

struct Conversion {
    char kind;   // s, d, u or c
    std::string line;
};

const size_t MAX_CONVERSIONS = 4;

// Compose with one argument of the right type per conversion.
template <typename... Args>
bool ComposeWith(char* dst, size_t size, const char* format, const std::vector<Conversion>& conversions,
                 size_t next, Args... args) {
    if constexpr (sizeof...(Args) == MAX_CONVERSIONS) {
        return Compose(dst, size, format, args...);
    } else {
        if (next == conversions.size()) return Compose(dst, size, format, args...);
        const Conversion& c = conversions[next];
        switch (c.kind) {
        case 's': return ComposeWith(dst, size, format, conversions, next + 1, args..., c.line.c_str());
        case 'd': return ComposeWith(dst, size, format, conversions, next + 1, args..., int(strtol(c.line.c_str(), nullptr, 10)));
        case 'u': return ComposeWith(dst, size, format, conversions, next + 1, args..., unsigned(strtoul(c.line.c_str(), nullptr, 10)));
        default: return ComposeWith(dst, size, format, conversions, next + 1, args..., int(c.line.empty() ? 0 : c.line[0]));
        }
    }
}

// The format rendered plainly; false at a conversion the formatter does not know.
bool Render(const std::string& format, const std::vector<std::string>& lines, std::string& out,
            std::vector<Conversion>& conversions) {
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            out += format[i];
            continue;
        }
        const char kind = ++i < format.size() ? format[i] : '\0';
        if (kind == '%') {
            out += '%';
            continue;
        }
        if (!strchr("sduc", kind) || kind == '\0') return false;
        const std::string line = 2 + conversions.size() < lines.size() ? lines[2 + conversions.size()] : "";
        conversions.push_back({kind, line});
        if (kind == 's') out += line.c_str();   // the argument ends at its first NUL
        if (kind == 'd') out += std::to_string(int(strtol(line.c_str(), nullptr, 10)));
        if (kind == 'u') out += std::to_string(unsigned(strtoul(line.c_str(), nullptr, 10)));
        if (kind == 'c') out += line.empty() ? '\0' : line[0];
    }
    return true;
}

void CheckComposition(size_t size, const std::string& format, const std::vector<std::string>& lines) {
    std::string reference;
    std::vector<Conversion> conversions;
    const bool known = Render(format, lines, reference, conversions);
    if (conversions.size() > MAX_CONVERSIONS) return;
    std::unique_ptr<char[]> dst(new char[size ? size : 1]);
    memset(dst.get(), '#', size ? size : 1);
    const bool fits = ComposeWith(dst.get(), size, format.c_str(), conversions, 0);
    FUZZ_CHECK(fits == (known && size > 0 && reference.size() < size), Shown(format) + " " + std::to_string(size));
    if (fits) {
        FUZZ_CHECK(memcmp(dst.get(), reference.c_str(), reference.size() + 1) == 0, Shown(reference));
    } else if (size > 0) {
        FUZZ_CHECK(dst[0] == '\0', "a refused composition is left empty");
    }
}

void CheckTextHelpers(size_t size, const std::string& a, const std::string& b) {
    std::unique_ptr<char[]> dst(new char[size ? size : 1]);
    const bool copied = CopyText(dst.get(), size, a.c_str());
    FUZZ_CHECK(copied == (size > 0 && strlen(a.c_str()) < size), Shown(a));
    if (copied) FUZZ_CHECK(strcmp(dst.get(), a.c_str()) == 0, Shown(a));
    if (!copied && size > 0) FUZZ_CHECK(dst[0] == '\0', Shown(a));

    FUZZ_CHECK(TextLength(a.c_str()) == strlen(a.c_str()), Shown(a));
    FUZZ_CHECK(TextEquals(a.c_str(), b.c_str()) == (strcmp(a.c_str(), b.c_str()) == 0), Shown(a) + " " + Shown(b));
    FUZZ_CHECK(TextEqualsIgnoreCase(a.c_str(), b.c_str()) == (strcasecmp(a.c_str(), b.c_str()) == 0),
               Shown(a) + " " + Shown(b));
    FUZZ_CHECK(FindText(a.c_str(), b.c_str()) == strstr(a.c_str(), b.c_str()), Shown(a) + " " + Shown(b));
    std::string upper = a.c_str();
    UpperCaseAscii(&upper[0]);
    for (size_t i = 0; i < upper.size(); ++i) {
        FUZZ_CHECK(upper[i] == static_cast<char>(toupper(static_cast<unsigned char>(a[i]))), Shown(a));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::string> lines = fuzz::Lines(data, size);
    const size_t room = strtoul(lines[0].c_str(), nullptr, 10) % 301;
    const std::string format = lines.size() > 1 ? lines[1].c_str() : "";
    CheckComposition(room, format, lines);
    for (size_t i = 1; i + 1 < lines.size(); ++i) CheckTextHelpers(room, lines[i], lines[i + 1]);
    return 0;
}
