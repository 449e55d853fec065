// SetupState as start-up leaves it for a laid disc, for glue tests that run the
// product's procedures in this program.
#pragma once
#include <cstring>

#include "disc.h"
#include "files.h"
#include "state/profile_ini.h"
#include "state/setup_ini.h"
#include "state/setup_state.h"
#include "virtual_reader.h"

namespace support {

inline void SetStateForDisc(const Disc& disc, OsKind kind, const VirtualReader& reader) {
    setupState = SetupState();
    setupState.osKind = kind;
    strcpy(setupState.windowsDir, WindowsDir().c_str());
    strcpy(setupState.systemDir, SystemDir().c_str());
    strcpy(setupState.sourceDir, disc.Folder().c_str());
    strcpy(setupState.programsDir, ProgramsDir().c_str());
    strcpy(setupState.programFilesDir, ProgramFilesDir().c_str());
    ReadSetupIni(ProfileIni(setupState.sourceDir), setupState);
    strcpy(setupState.hardwareId, reader.hardwareId.c_str());
    strcpy(setupState.matchedInstanceId, reader.InstanceId().c_str());
}

}  // namespace support
