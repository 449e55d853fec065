#include <windows.h>
#include <setupapi.h>

#include "device_list.h"
#include "instance_match.h"
#include "../journal/journal.h"
#include "../text/bounded_text.h"

namespace {

// Room for the longest instance id the system makes (200 characters), and more.
const size_t INSTANCE_ID_SIZE = 260;

// Walks the present devices of every class; on the first one whose instance id matches
// the pattern, copies that id into record when there is one, else removes the device.
bool WalkPresentDevices(const char* pattern, char* record, size_t recordSize, Journal* journal) {
    HDEVINFO devices = SetupDiGetClassDevsA(nullptr, nullptr, nullptr, DIGCF_PRESENT | DIGCF_ALLCLASSES);
    if (devices == INVALID_HANDLE_VALUE) return false;

    bool matched = false;
    SP_DEVINFO_DATA element = {};
    element.cbSize = sizeof element;
    char instanceId[INSTANCE_ID_SIZE] = {};
    for (DWORD index = 0; SetupDiEnumDeviceInfo(devices, index, &element); ++index) {
        DWORD requiredSize = 0;
        if (!SetupDiGetDeviceInstanceIdA(devices, &element, instanceId, sizeof instanceId, &requiredSize)) {
            continue;
        }
        const char* found = FindMatchingInstanceId(instanceId, sizeof instanceId, requiredSize, pattern);
        if (!found) continue;
        if (record) {
            CopyText(record, recordSize, found);
        } else {
            bool removed = SetupDiRemoveDevice(devices, &element) != FALSE;
            journal->Record(Act::RemoveDeviceNode, found, Outcome::Of(removed, removed ? 0 : GetLastError()));
        }
        matched = true;
        break;
    }
    SetupDiDestroyDeviceInfoList(devices);
    return matched;
}

}  // namespace

bool FindPresentDevice(const char* pattern, char* instanceId, size_t size) {
    if (!instanceId || size == 0) return false;
    return WalkPresentDevices(pattern, instanceId, size, nullptr);
}

bool RemovePresentDevice(const char* pattern, Journal& journal) {
    bool matched = WalkPresentDevices(pattern, nullptr, 0, &journal);
    if (!matched) journal.Record(Act::RemoveDeviceNode, pattern, Outcome::Failed(ERROR_FILE_NOT_FOUND));
    return matched;
}
