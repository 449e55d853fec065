#include <gtest/gtest.h>
#include <vector>

#include "framework/command_line.h"

TEST(CommandLine, RecognisesAStartByCom) {
    struct Case {
        std::vector<const char*> argv;
        bool expected;
    } cases[] = {
        {{"Setup.exe", "-Embedding"}, true},
        {{"Setup.exe", "/embedding"}, true},
        {{"Setup.exe", "-q", "/Automation"}, true},
        {{"Setup.exe", "Embedding"}, false},
        {{"Setup.exe", "-Embeddingx"}, false},
        {{"Setup.exe", "/"}, false},
        {{"-Embedding"}, false},
        {{}, false},
    };
    for (Case& c : cases) {
        EXPECT_EQ(c.expected, framework::IsComServerStart(static_cast<int>(c.argv.size()),
                                                          const_cast<char**>(c.argv.data())))
            << (c.argv.size() > 1 ? c.argv.back() : "(none)");
    }
}
