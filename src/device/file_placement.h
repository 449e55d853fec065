// Placing files into the system's folders and taking them out again.
//
// A disc's files are read-only, and a copy keeps its source's attributes: what we place
// must stay replaceable and removable. A file that another program holds open or has
// loaded (the icon library in Explorer, a driver in use) can be neither deleted nor
// overwritten now: the system is asked to do it at its next restart, as every trusted
// installer does. The NT family keeps that queue itself (MoveFileEx); Windows 98 and Me
// read it from WININIT.INI in the Windows folder.
#pragma once

#include "../journal/journal.h"

class FilePlacement {
public:
    explicit FilePlacement(Journal& journal) : journal_(journal) { windowsDir_[0] = '\0'; }
    FilePlacement(const FilePlacement&) = delete;
    FilePlacement& operator=(const FilePlacement&) = delete;

    // Where files in use wait for the restart: ntFamily, the system's own queue;
    // otherwise WININIT.INI in windowsDir (an empty windowsDir queues nothing). Until
    // it is set, nothing is queued.
    void UseRestartQueue(bool ntFamily, const char* windowsDir);

    // Copies with overwrite, over a destination that may be read-only; the copy then
    // loses the read-only attribute and keeps its others. A destination in use gets its
    // copy beside it under a fresh name, which replaces it at the next restart. False
    // when the destination gets no copy, now or then.
    bool CopyOver(const char* source, const char* destination);

    // Deletes a file, read-only or not; one in use goes at the next restart. False when
    // it stays.
    bool Delete(const char* path);
    // The same for a path in the real system32 of 64-bit Windows.
    bool DeleteFromRealSystemFolder(const char* path);

    void CreateFolder(const char* path);
    // Removes a folder when it is empty. On the NT family, one that holds nothing but
    // what this run queued for the restart is queued after it.
    void RemoveFolder(const char* path);

    // Something waits for the next restart.
    bool RestartPending() const { return restartPending_; }

private:
    static const int PATH_SIZE = 260;
    static const int QUEUE_SIZE = 16;

    bool QueueDeletion(const char* path);
    bool QueueReplacement(const char* fresh, const char* destination);
    bool QueueInWininit(const char* line);
    void Remember(const char* path);
    bool IsQueued(const char* path) const;
    bool HoldsOnlyQueued(const char* folder) const;

    bool nt_ = false;
    char windowsDir_[PATH_SIZE];
    Journal& journal_;
    bool restartPending_ = false;
    // The deletions queued so far, for the folders that hold them.
    char queued_[QUEUE_SIZE][PATH_SIZE];
    int queuedCount_ = 0;
};
