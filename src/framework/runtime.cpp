// The C++ runtime pieces the product needs, over the C runtime alone, so that
// the static link pulls in nothing that older Windows lacks.
#include <stdlib.h>
#include <new>

void* operator new(size_t size) { return malloc(size ? size : 1); }
void* operator new[](size_t size) { return malloc(size ? size : 1); }
void* operator new(size_t size, const std::nothrow_t&) noexcept { return malloc(size ? size : 1); }
void operator delete(void* p) noexcept { free(p); }
void operator delete[](void* p) noexcept { free(p); }
void operator delete(void* p, size_t) noexcept { free(p); }
void operator delete[](void* p, size_t) noexcept { free(p); }

extern "C" void __cxa_pure_virtual() { abort(); }

// The program does no floating-point math. The runtime's default handler prints math
// errors through stdio; this one leaves them to the C runtime's own handling and keeps
// stdio out of the image.
struct _exception;
extern "C" int _matherr(struct _exception*) { return 0; }
