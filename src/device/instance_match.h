// Matching a hardware id against a device instance id.
#pragma once
#include <stddef.h>

// The pattern occurs in the instance id, starting at its beginning or right after
// a backslash, and followed by its end, a backslash or an ampersand; case counts.
// So USB\VID_1234&PID_ABCD matches USB\VID_1234&PID_ABCD\6&2A3B&0&1 and
// USB\VID_1234&PID_ABCD&MI_00\..., never USB\VID_1234&PID_ABCDE\... An empty
// pattern matches nothing.
bool InstanceIdMatches(const char* instanceId, const char* pattern);

// Scans a buffer of consecutive NUL-terminated strings, as filled by the system,
// up to the used size or the buffer's end, whichever comes first. Returns the
// first string that matches, or null.
const char* FindMatchingInstanceId(const char* buffer, size_t bufferSize, size_t usedSize,
                                   const char* pattern);
