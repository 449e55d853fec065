// COM for the main thread is the single-threaded apartment that its windows and the
// shell's link object need; a second CoInitialize on that thread tells which it got.
#include <objbase.h>
#include <gtest/gtest.h>

#include "com/com_module.h"
#include "names.h"

TEST(ComModule, GivesTheMainThreadASingleThreadedApartment) {
    bool started = false;
    ASSERT_TRUE(InitComModule(GetModuleHandleA(nullptr), started)) << "no registration request: start-up goes on";
    HRESULT again = CoInitialize(nullptr);
    EXPECT_EQ(S_FALSE, again) << "CoInitialize again: " << support::ErrorName(static_cast<DWORD>(again));
    if (SUCCEEDED(again)) CoUninitialize();
    ShutdownComModule(started);
    EXPECT_FALSE(started);
}
