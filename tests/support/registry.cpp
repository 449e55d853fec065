#include "registry.h"

#include <sstream>

#include "names.h"

namespace support {

namespace {

std::string Describe(const RegValue& value) {
    if (!value.exists) return "no value";
    std::ostringstream out;
    out << RegTypeName(value.type) << ", " << value.data.size() << " bytes:";
    for (uint8_t b : value.data) {
        char hex[4];
        snprintf(hex, sizeof hex, " %02X", b);
        out << hex;
    }
    return out.str();
}

::testing::AssertionResult Matches(HKEY root, const std::string& key, const std::string& name,
                                   DWORD type, const std::vector<uint8_t>& bytes) {
    RegValue actual = ReadValue(root, key, name);
    if (actual.exists && actual.type == type && actual.data == bytes) {
        return ::testing::AssertionSuccess();
    }
    RegValue expected{true, type, bytes};
    return ::testing::AssertionFailure() << key << " \"" << name << "\": expected " << Describe(expected)
                                         << "; found " << Describe(actual);
}

}  // namespace

RegValue ReadValue(HKEY root, const std::string& key, const std::string& name) {
    RegValue value;
    HKEY handle;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_QUERY_VALUE, &handle) != ERROR_SUCCESS) return value;
    DWORD size = 0;
    if (RegQueryValueExA(handle, name.c_str(), nullptr, &value.type, nullptr, &size) == ERROR_SUCCESS) {
        value.data.resize(size);
        if (RegQueryValueExA(handle, name.c_str(), nullptr, &value.type, value.data.data(), &size) ==
            ERROR_SUCCESS) {
            value.data.resize(size);
            value.exists = true;
        }
    }
    RegCloseKey(handle);
    return value;
}

bool KeyExists(HKEY root, const std::string& key) {
    HKEY handle;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
    RegCloseKey(handle);
    return true;
}

std::vector<std::string> SubKeys(HKEY root, const std::string& key) {
    std::vector<std::string> names;
    HKEY handle;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return names;
    char name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = sizeof name;
        if (RegEnumKeyExA(handle, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        names.emplace_back(name, length);
    }
    RegCloseKey(handle);
    return names;
}

std::vector<std::string> ValueNames(HKEY root, const std::string& key) {
    std::vector<std::string> names;
    HKEY handle;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return names;
    char name[16384];
    for (DWORD i = 0;; ++i) {
        DWORD length = sizeof name;
        if (RegEnumValueA(handle, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        names.emplace_back(name, length);
    }
    RegCloseKey(handle);
    return names;
}

static HKEY CreateKey(HKEY root, const std::string& key) {
    HKEY handle = nullptr;
    LONG status = RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle, nullptr);
    EXPECT_EQ(ERROR_SUCCESS, status) << "cannot create " << key;
    return status == ERROR_SUCCESS ? handle : nullptr;
}

void WriteString(HKEY root, const std::string& key, const std::string& name, const std::string& value) {
    if (HKEY handle = CreateKey(root, key)) {
        RegSetValueExA(handle, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>(value.size() + 1));
        RegCloseKey(handle);
    }
}

void WriteDword(HKEY root, const std::string& key, const std::string& name, DWORD value) {
    if (HKEY handle = CreateKey(root, key)) {
        RegSetValueExA(handle, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
        RegCloseKey(handle);
    }
}

void DeleteTree(HKEY root, const std::string& key) {
    for (const std::string& sub : SubKeys(root, key)) DeleteTree(root, key + "\\" + sub);
    RegDeleteKeyA(root, key.c_str());
}

std::vector<uint8_t> SzBytes(const std::string& text) {
    std::vector<uint8_t> bytes(text.begin(), text.end());
    bytes.push_back(0);
    return bytes;
}

std::vector<uint8_t> DwordBytes(uint32_t value) {
    return {uint8_t(value), uint8_t(value >> 8), uint8_t(value >> 16), uint8_t(value >> 24)};
}

::testing::AssertionResult HasSz(HKEY root, const std::string& key, const std::string& name,
                                 const std::string& expected) {
    return Matches(root, key, name, REG_SZ, SzBytes(expected));
}

::testing::AssertionResult HasDword(HKEY root, const std::string& key, const std::string& name,
                                    uint32_t expected) {
    return Matches(root, key, name, REG_DWORD, DwordBytes(expected));
}

::testing::AssertionResult HasNoValue(HKEY root, const std::string& key, const std::string& name) {
    RegValue actual = ReadValue(root, key, name);
    if (!actual.exists) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << key << " \"" << name << "\" should not exist; found " << Describe(actual);
}

}  // namespace support
