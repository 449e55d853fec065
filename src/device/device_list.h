// The present-device list: finding and removing a device node by hardware id.
#pragma once
#include <stddef.h>

// True when a present device's instance id holds the pattern (instance_match.h). That
// id is then copied into instanceId, or instanceId is left empty when it does not fit
// in size bytes; a search that finds nothing leaves instanceId as it was.
bool FindPresentDevice(const char* pattern, char* instanceId, size_t size);

class Journal;

// Removes the first present device whose instance id holds the pattern. True when
// one matched (whatever the system answered to the removal, which the journal records).
bool RemovePresentDevice(const char* pattern, Journal& journal);
