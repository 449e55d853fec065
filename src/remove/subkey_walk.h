// A walk over the subkeys of a registry key, by index, that ends whatever the registry
// does meanwhile: a subkey that cannot be read is passed over, and a run of failed
// reads (the key deleted under the walk, say) ends it.
#pragma once
#include <stddef.h>
#include <stdint.h>

enum class SubkeyRead { Found, End, Failed };

class SubkeyWalk {
public:
    // The name of subkey number index, terminated, into name (size bytes).
    virtual SubkeyRead Read(uint32_t index, char* name, size_t size) = 0;
    // Works on one subkey; true when it deleted it, so that the same index now names
    // the next one.
    virtual bool Visit(const char* name) = 0;

protected:
    ~SubkeyWalk() = default;
};

const int MAX_FAILED_READS_IN_A_ROW = 64;

// Visits subkey after subkey until the list ends or MAX_FAILED_READS_IN_A_ROW reads
// in a row fail. Returns how many subkeys the visits deleted.
int WalkSubkeys(SubkeyWalk& walk);
