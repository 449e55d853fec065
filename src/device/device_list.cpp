#include <windows.h>
#include <setupapi.h>

#include "device_list.h"
#include "instance_match.h"
#include "../app/compose.h"
#include "../app/setup_state.h"

namespace {

enum class OnMatch { Record, Remove };

// Walks the present devices of every class; acts on the first one whose instance id
// matches the pattern.
bool WalkPresentDevices(const char* pattern, OnMatch action) {
    HDEVINFO devices = SetupDiGetClassDevsA(nullptr, nullptr, nullptr, DIGCF_PRESENT | DIGCF_ALLCLASSES);
    if (devices == INVALID_HANDLE_VALUE) return false;

    bool matched = false;
    SP_DEVINFO_DATA element = {};
    element.cbSize = sizeof element;
    char instanceId[TEXT_SIZE] = {};
    for (DWORD index = 0; SetupDiEnumDeviceInfo(devices, index, &element); ++index) {
        DWORD requiredSize = 0;
        if (!SetupDiGetDeviceInstanceIdA(devices, &element, instanceId, sizeof instanceId, &requiredSize)) {
            continue;
        }
        const char* found = FindMatchingInstanceId(instanceId, sizeof instanceId, requiredSize, pattern);
        if (!found) continue;
        if (action == OnMatch::Record) {
            CopyText(setupState.matchedInstanceId, found);
        } else {
            SetupDiRemoveDevice(devices, &element);
        }
        matched = true;
        break;
    }
    SetupDiDestroyDeviceInfoList(devices);
    return matched;
}

}  // namespace

bool FindPresentDevice(const char* pattern) { return WalkPresentDevices(pattern, OnMatch::Record); }

bool RemovePresentDevice(const char* pattern) { return WalkPresentDevices(pattern, OnMatch::Remove); }
