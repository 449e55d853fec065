// The present-device list: finding and removing a device node by hardware id.
#pragma once

// True when a present device's instance id holds the pattern; records that id
// in setupState.matchedInstanceId.
bool FindPresentDevice(const char* pattern);

// Removes the first present device whose instance id holds the pattern. True when
// one matched (whatever the system answered to the removal).
bool RemovePresentDevice(const char* pattern);
