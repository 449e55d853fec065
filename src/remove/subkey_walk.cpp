#include "subkey_walk.h"
#include "../state/setup_state.h"

int WalkSubkeys(SubkeyWalk& walk) {
    int deleted = 0;
    int failuresInARow = 0;
    uint32_t index = 0;
    while (failuresInARow < MAX_FAILED_READS_IN_A_ROW) {
        char name[TEXT_SIZE];
        SubkeyRead read = walk.Read(index, name, sizeof name);
        if (read == SubkeyRead::End) break;
        if (read == SubkeyRead::Failed) {
            ++failuresInARow;
            ++index;
            continue;
        }
        failuresInARow = 0;
        if (walk.Visit(name)) {
            ++deleted;
        } else if (++index == 0) {
            break;   // every index has been read
        }
    }
    return deleted;
}
