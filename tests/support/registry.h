// Registry access for tests: exact types and bytes, and assertions that report the
// caller's file and line.
#pragma once
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace support {

struct RegValue {
    bool exists = false;
    DWORD type = REG_NONE;
    std::vector<uint8_t> data;
};

RegValue ReadValue(HKEY root, const std::string& key, const std::string& name);
bool KeyExists(HKEY root, const std::string& key);
std::vector<std::string> SubKeys(HKEY root, const std::string& key);
std::vector<std::string> ValueNames(HKEY root, const std::string& key);

void WriteString(HKEY root, const std::string& key, const std::string& name, const std::string& value);
void WriteDword(HKEY root, const std::string& key, const std::string& name, DWORD value);
void DeleteTree(HKEY root, const std::string& key);

// The bytes Windows stores for a REG_SZ (terminator included) and a REG_DWORD.
std::vector<uint8_t> SzBytes(const std::string& text);
std::vector<uint8_t> DwordBytes(uint32_t value);

::testing::AssertionResult HasSz(HKEY root, const std::string& key, const std::string& name,
                                 const std::string& expected);
::testing::AssertionResult HasDword(HKEY root, const std::string& key, const std::string& name,
                                    uint32_t expected);
::testing::AssertionResult HasNoValue(HKEY root, const std::string& key, const std::string& name);

}  // namespace support

#define EXPECT_REG_SZ(root, key, name, text) EXPECT_TRUE(::support::HasSz(root, key, name, text))
#define EXPECT_REG_DWORD(root, key, name, value) EXPECT_TRUE(::support::HasDword(root, key, name, value))
#define EXPECT_NO_REG_VALUE(root, key, name) EXPECT_TRUE(::support::HasNoValue(root, key, name))
