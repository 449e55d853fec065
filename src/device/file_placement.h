// Placing files into the system's folders and taking them out again. A disc's files
// are read-only, and a copy keeps its source's attributes: what we place must stay
// replaceable and removable.
#pragma once

// Copies with overwrite, over a destination that may be read-only; the copy then
// loses the read-only attribute and keeps its others. False when the copy failed.
bool CopyFileOver(const char* source, const char* destination);

// Deletes a file, read-only or not. False when it could not be deleted.
bool DeleteFileEvenReadOnly(const char* path);
