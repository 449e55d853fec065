#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "remove/subkey_walk.h"

namespace {

// Subkeys as a list. Reads at the listed indices fail (or all of them, as when the key
// is deleted under the walk); a visit deletes the subkeys named deletable.
class FakeSubkeys : public SubkeyWalk {
public:
    SubkeyRead Read(uint32_t index, char* name, size_t size) override {
        if (++reads > GIVE_UP) return SubkeyRead::End;   // a walk that would not end
        if (allFail || failing.count(index)) return SubkeyRead::Failed;
        if (index >= keys.size()) return SubkeyRead::End;
        snprintf(name, size, "%s", keys[index].c_str());
        return SubkeyRead::Found;
    }
    bool Visit(const char* name) override {
        visited.push_back(name);
        if (!deletable.count(name)) return false;
        keys.erase(std::find(keys.begin(), keys.end(), name));
        return true;
    }

    static const int GIVE_UP = 1000000;
    std::vector<std::string> keys;
    std::set<std::string> deletable;
    std::set<uint32_t> failing;
    bool allFail = false;
    int reads = 0;
    std::vector<std::string> visited;
};

}  // namespace

TEST(SubkeyWalk, DeletesWhatItCanAndMovesPastTheRest) {
    FakeSubkeys walk;
    walk.keys = {"C", "D", "E", "F"};
    walk.deletable = {"C", "E"};   // D is not ours, F cannot be deleted
    EXPECT_EQ(2, WalkSubkeys(walk));
    EXPECT_EQ((std::vector<std::string>{"C", "D", "E", "F"}), walk.visited);
    EXPECT_EQ((std::vector<std::string>{"D", "F"}), walk.keys);
}

TEST(SubkeyWalk, EndsWhenTheEnumerationKeepsFailing) {
    FakeSubkeys walk;
    walk.keys = {"C"};
    walk.allFail = true;
    EXPECT_EQ(0, WalkSubkeys(walk));
    EXPECT_EQ(MAX_FAILED_READS_IN_A_ROW, walk.reads);
    EXPECT_TRUE(walk.visited.empty());

    // Failures short of a run of MAX_FAILED_READS_IN_A_ROW pass over their subkeys only.
    FakeSubkeys patchy;
    for (int i = 0; i < 200; ++i) patchy.keys.push_back("K" + std::to_string(i));
    for (uint32_t i = 0; i < 127; ++i) {
        if (i != MAX_FAILED_READS_IN_A_ROW - 1) patchy.failing.insert(i);
    }
    EXPECT_EQ(0, WalkSubkeys(patchy));
    ASSERT_EQ(1u + 200 - 127, patchy.visited.size());
    EXPECT_EQ("K63", patchy.visited.front());
    EXPECT_EQ("K127", patchy.visited[1]);
}
