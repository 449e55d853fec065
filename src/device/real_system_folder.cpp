#include "real_system_folder.h"
#include "../framework/late_bound.h"

namespace {

typedef BOOL(WINAPI* DisableProc)(PVOID*);
typedef BOOL(WINAPI* RevertProc)(PVOID);

// The switch exists from XP x64 on: looked up, never imported.
RevertProc Revert() { return LateBound<RevertProc>(GetModuleHandleA("kernel32.dll"), "Wow64RevertWow64FsRedirection"); }

}  // namespace

RealSystemFolderView::RealSystemFolderView() {
    DisableProc disable = LateBound<DisableProc>(GetModuleHandleA("kernel32.dll"), "Wow64DisableWow64FsRedirection");
    off_ = disable && Revert() && disable(&previous_);
}

RealSystemFolderView::~RealSystemFolderView() {
    if (off_) Revert()(previous_);
}
