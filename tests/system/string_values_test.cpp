// Every string value the installation writes goes to the registry with its terminator,
// as its byte count says. Windows NT, and Wine with it, quietly adds a terminator the
// count left out (unless the string is empty), so what reads back cannot tell; the
// calls themselves, recorded on their way to the system, can.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "disc.h"
#include "disc_state.h"
#include "import_hook.h"
#include "install/install_driver.h"
#include "virtual_reader.h"

using namespace support;

namespace {

struct Written {
    std::string name;
    std::string bytes;   // exactly the count handed over
};

std::vector<Written> strings;
decltype(&RegSetValueExA) setValue = nullptr;

LONG WINAPI RecordSetValue(HKEY key, LPCSTR name, DWORD reserved, DWORD type, const BYTE* data, DWORD size) {
    if (type == REG_SZ || type == REG_EXPAND_SZ) {
        strings.push_back({name ? name : "", std::string(reinterpret_cast<const char*>(data), size)});
    }
    return setValue(key, name, reserved, type, data, size);
}

}  // namespace

TEST(StringValues, AreWrittenWithTheirTerminator) {
    const struct {
        const char* family;
        OsKind kind;
        const char* driveNames;   // [Win2KXP_DriveName], empty ones among them
    } cases[] = {
        {"Windows 98", OS_WIN98, ""},
        {"Windows XP", OS_WINXP, ""},
        {"Windows XP, names from setup.ini", OS_WINXP, "UserDefine=1\r\nSD_Name=Card\r\nMS_Name=\r\n"},
    };
    ImportHook hook("advapi32.dll", "RegSetValueExA", reinterpret_cast<void*>(RecordSetValue));
    ASSERT_TRUE(hook.Installed()) << "this program calls RegSetValueExA other than by its import table";
    setValue = reinterpret_cast<decltype(setValue)>(hook.Original());
    SetHelperBehaviour(0, 0);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.family);
        Disc disc;
        disc.Lay();
        if (*c.driveNames) {
            disc.WriteSetupIni("[Vendors]\r\nVendor0=VID_1234&PID_ABCD\r\n[Win2KXP_DriveName]\r\n" +
                               std::string(c.driveNames));
        }
        VirtualReader reader;
        SetStateForDisc(disc, c.kind, reader);
        strings.clear();
        Handed handed;
        InstallDriver(handed.files, handed.journal);
        EXPECT_FALSE(strings.empty()) << "the installation wrote no string value";
        for (const Written& value : strings) {
            EXPECT_TRUE(!value.bytes.empty() && value.bytes.find('\0') == value.bytes.size() - 1)
                << "\"" << value.name << "\" written as " << value.bytes.size() << " bytes, \""
                << value.bytes.c_str() << "\" and its terminator should be " << strlen(value.bytes.c_str()) + 1;
        }
    }
}
