// Reading a shortcut back through the shell's own link object.
#pragma once
#include <string>

namespace support {

struct Shortcut {
    bool loaded = false;
    std::string target;
    std::string arguments;
    std::string iconFile;
    int iconIndex = -1;
};

Shortcut ReadShortcut(const std::string& path);

}  // namespace support
