// A worker thread object: created suspended, then InitInstance, Run and ExitInstance
// on the new thread. The object deletes itself when its thread ends.
#pragma once
#include <windows.h>

namespace framework {

class Thread {
public:
    Thread() = default;
    virtual ~Thread();
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;

    // Makes the thread, suspended, at the given priority. False when it cannot be made;
    // the object then stays with the caller.
    bool CreateSuspended(int priority);
    DWORD Resume();
    HANDLE Handle() const { return handle_; }

protected:
    virtual bool InitInstance();
    // The default: a message loop until WM_QUIT.
    virtual int Run();
    virtual int ExitInstance();

private:
    static DWORD WINAPI Entry(LPVOID self);

    HANDLE handle_ = nullptr;
    int exitCode_ = 0;
};

}  // namespace framework
