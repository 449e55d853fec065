// Read access to a disc's INF files as the system's own parser reads them, so that
// what the check finds in them can be decided without the system.
#pragma once
#include <stddef.h>

enum class InfField { READ, MISSING, TOO_LONG };

class InfSource {
public:
    // Opens the INF at `path` for the calls below, in place of the one open before.
    // False when it cannot be opened or parsed: `errorLine` then gets the line the
    // parser names, or 0.
    virtual bool Open(const char* path, unsigned& errorLine) = 0;
    // The lines of a section of the open INF; -1 when it has no such section.
    virtual int LineCount(const char* section) const = 0;
    // The values of a line, its key not counted.
    virtual int FieldCount(const char* section, int line) const = 0;
    // Field 0 is the line's key (MISSING for a line without one), 1 and on its values,
    // with the INF's %strings% put in. TOO_LONG when it does not fit `size` bytes.
    virtual InfField ReadField(const char* section, int line, int field, char* dst, size_t size) const = 0;

protected:
    ~InfSource() = default;
};
