// What may name a file or folder that we create or delete in the system's folders.
#pragma once

// A bare file name: not empty, no "\", "/" or ":", not "." or "..". Only such names
// from setup.ini or the driver store are placed into or deleted from Windows folders.
bool IsBareFileName(const char* name);

// A folder path relative to its base: not empty, no ":", no leading "\" or "/", and no
// "." or ".." part. Such names may hold a sub-folder ("Vendor\Product").
bool IsRelativeFolderPath(const char* path);
