// One registry value as a plan writes it: a REG_SZ (stored with its terminating zero)
// or a REG_DWORD.
#pragma once
#include <stdint.h>

#include "../state/setup_state.h"

struct SettingValue {
    char name[TEXT_SIZE];
    bool isDword;
    uint32_t dword;
    char text[TEXT_SIZE];
};
