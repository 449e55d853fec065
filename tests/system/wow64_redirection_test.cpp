// On 64-bit Windows the removal deletes the driver from the real system32 with WOW64
// file-system redirection off around that one deletion: afterwards the thread's
// system32 leads to SysWOW64 again, for whatever it loads or touches next.
#include <gtest/gtest.h>

#include "disc.h"
#include "disc_state.h"
#include "files.h"
#include "remove/remove_installation.h"
#include "virtual_reader.h"

using namespace support;

TEST(Wow64Redirection, IsOnAgainAfterTheRemoval) {
    if (!RunsUnderWow64()) GTEST_SKIP() << "only a 32-bit program on 64-bit Windows is redirected";
    Disc disc;
    disc.Lay();
    VirtualReader reader;
    PlugIn(reader);
    SetStateForDisc(disc, OS_WINXP64, reader);
    const std::string marker = SystemDir() + "\\redirected.txt";   // lands in SysWOW64
    WriteFileText(marker, "seen through the redirection");

    Handed handed;
    RemoveInstallation(handed.files, handed.journal);
    EXPECT_TRUE(FileExists(marker)) << SystemDir() << " no longer leads to SysWOW64 after the removal";
}
