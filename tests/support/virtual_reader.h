// A card reader plugged in, as Windows records it: a device node under
// HKLM\System\CurrentControlSet\Enum, and, once its driver is installed, the
// driver store's entries for it.
#pragma once
#include <string>

namespace support {

struct VirtualReader {
    std::string hardwareId = "USB\\VID_1234&PID_ABCD";
    std::string instance = "6&2A3B4C5D&0&1";

    std::string InstanceId() const { return hardwareId + "\\" + instance; }
    std::string EnumKey() const { return "System\\CurrentControlSet\\Enum\\" + InstanceId(); }
};

void PlugIn(const VirtualReader& reader);
void Unplug(const VirtualReader& reader);
bool IsPluggedIn(const VirtualReader& reader);

// What Windows leaves after installing the driver for the reader: the node's "Service"
// and "Driver", a class key whose "InfPath" names infName, and the inf folder's copy of
// that file with its precompiled .pnf twin.
void SeedDriverStore(const VirtualReader& reader, const std::string& service, const std::string& infName,
                     const std::string& classInstance = "0007");

}  // namespace support
