#pragma once

namespace framework {

// The framework's reading of the command line: a start by COM, "-Embedding" or
// "-Automation" (also with "/", case ignored), asks for no window.
bool IsComServerStart(int argc, char** argv);

}  // namespace framework
