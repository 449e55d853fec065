#include "virtual_reader.h"

#include <windows.h>

#include "files.h"
#include "registry.h"

namespace support {

namespace {
const char USB_CLASS_GUID[] = "{36FC9E60-C465-11CF-8056-444553540000}";
}

void PlugIn(const VirtualReader& reader) {
    // The class of USB devices, which every Windows has.
    WriteString(HKEY_LOCAL_MACHINE, std::string("System\\CurrentControlSet\\Control\\Class\\") + USB_CLASS_GUID, "Class",
                "USB");
    WriteString(HKEY_LOCAL_MACHINE, reader.EnumKey(), "ClassGUID", USB_CLASS_GUID);
    WriteString(HKEY_LOCAL_MACHINE, reader.EnumKey(), "DeviceDesc", "USB card reader");
}

void Unplug(const VirtualReader& reader) { DeleteTree(HKEY_LOCAL_MACHINE, reader.EnumKey()); }

bool IsPluggedIn(const VirtualReader& reader) {
    return ReadValue(HKEY_LOCAL_MACHINE, reader.EnumKey(), "ClassGUID").exists;
}

void SeedDriverStore(const VirtualReader& reader, const std::string& service, const std::string& infName,
                     const std::string& classInstance) {
    std::string driver = std::string(USB_CLASS_GUID) + "\\" + classInstance;
    WriteString(HKEY_LOCAL_MACHINE, reader.EnumKey(), "Service", service);
    WriteString(HKEY_LOCAL_MACHINE, reader.EnumKey(), "Driver", driver);
    WriteString(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Control\\Class\\" + driver, "InfPath", infName);
    std::string stem = infName.substr(0, infName.find_last_of('.'));
    WriteFileText(WindowsDir() + "\\inf\\" + infName, "; driver store copy\r\n");
    WriteFileText(WindowsDir() + "\\inf\\" + stem + ".pnf", "precompiled");
}

}  // namespace support
