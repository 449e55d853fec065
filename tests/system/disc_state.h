// SetupState as start-up leaves it for a laid disc, for glue tests that run the
// product's procedures in this program.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "device/file_placement.h"
#include "disc.h"
#include "files.h"
#include "journal/journal.h"
#include "state/profile_ini.h"
#include "state/setup_ini.h"
#include "state/setup_state.h"
#include "text/bounded_text.h"
#include "virtual_reader.h"

namespace support {

// Copies a path into a field of the state; a test fails when it does not fit.
template <size_t N>
void SetField(char (&field)[N], const std::string& text) {
    EXPECT_TRUE(CopyText(field, text.c_str())) << "longer than " << N - 1 << " characters: " << text;
}

inline void SetStateForDisc(const Disc& disc, OsKind kind, const VirtualReader& reader) {
    setupState = SetupState();
    setupState.osKind = kind;
    SetField(setupState.windowsDir, WindowsDir());
    SetField(setupState.systemDir, SystemDir());
    SetField(setupState.sourceDir, disc.Folder());
    SetField(setupState.programsDir, ProgramsDir());
    SetField(setupState.programFilesDir, ProgramFilesDir());
    ReadSetupIni(ProfileIni(setupState.sourceDir), setupState);
    SetField(setupState.hardwareId, reader.hardwareId);
    SetField(setupState.matchedInstanceId, reader.InstanceId());
}

// What the procedures are handed: a journal that records nothing, and file placement
// with the restart queue of the family in setupState.
struct Handed {
    Journal journal;
    FilePlacement files{journal};
    Handed() { files.UseRestartQueue(IsNtFamily(setupState.osKind), setupState.windowsDir); }
};

}  // namespace support
