#include "thread.h"
#include "window.h"

namespace framework {

Thread::~Thread() {
    if (handle_) CloseHandle(handle_);
}

bool Thread::CreateSuspended(int priority) {
    DWORD id = 0;
    handle_ = CreateThread(nullptr, 0, Entry, this, CREATE_SUSPENDED, &id);
    if (!handle_) return false;
    SetThreadPriority(handle_, priority);
    return true;
}

DWORD Thread::Resume() { return ResumeThread(handle_); }

DWORD WINAPI Thread::Entry(LPVOID parameter) {
    Thread* self = static_cast<Thread*>(parameter);
    if (self->InitInstance()) self->exitCode_ = self->Run();
    DWORD code = static_cast<DWORD>(self->ExitInstance());
    delete self;
    return code;
}

bool Thread::InitInstance() { return true; }

int Thread::Run() {
    return PumpMessages();
}

int Thread::ExitInstance() { return exitCode_; }

}  // namespace framework
