// Pure: no windows.h, so that it also builds natively for the unit tests.
#include "../text/bounded_text.h"

namespace framework {

bool IsComServerStart(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (!arg || (arg[0] != '-' && arg[0] != '/')) continue;
        if (TextEqualsIgnoreCase(arg + 1, "Embedding") || TextEqualsIgnoreCase(arg + 1, "Automation")) {
            return true;
        }
    }
    return false;
}

}  // namespace framework
