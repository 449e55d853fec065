// A plan's registry values as text the tests compare: "name=text" or "name#dword".
#pragma once
#include <string>
#include <vector>

#include "install/setting_value.h"

inline std::vector<std::string> Described(const SettingValue* values, int count) {
    std::vector<std::string> described;
    for (int i = 0; i < count; ++i) {
        const SettingValue& v = values[i];
        described.push_back(std::string(v.name) + (v.isDword ? "#" + std::to_string(v.dword) : "=" + std::string(v.text)));
    }
    return described;
}
