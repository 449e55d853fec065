// Calls that older Windows lack are looked up at run time, never imported.
#pragma once
#include <windows.h>

template <typename Proc>
Proc LateBound(HMODULE module, const char* name) {
    if (!module) return nullptr;
    return reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}
