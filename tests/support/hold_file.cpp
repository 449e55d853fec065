// Holds a file as a running Windows holds ours: a program file loaded as Explorer
// loads the icon library, any other file open without FILE_SHARE_DELETE. Prints
// "holding PATH" once it does, then holds it until it is ended (a restart ends it).
// tools/demo runs it in the background.
//   hold_file.exe PATH
#include <windows.h>

#include <cstdio>
#include <memory>

#include "in_use.h"

using namespace support;

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: hold_file.exe PATH\n");
        return 64;
    }
    LoadedAsProgram loaded(argv[1]);
    std::unique_ptr<HeldOpen> opened;
    if (!loaded.Holds()) opened.reset(new HeldOpen(argv[1]));
    if (!loaded.Holds() && !opened->Holds()) {
        fprintf(stderr, "hold_file: cannot hold %s (error %lu)\n", argv[1], GetLastError());
        return 1;
    }
    printf("holding %s\n", argv[1]);
    fflush(stdout);
    Sleep(INFINITE);
    return 0;
}
