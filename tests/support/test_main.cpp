// The Wine test programs' entry: gtest's own, except that a run in which every selected
// test was skipped (a case that cannot apply to the build under test) ends with
// SKIPPED_EXIT_CODE, which ctest reports as skipped. A failure always ends as one.
#include <gtest/gtest.h>

namespace {
const int SKIPPED_EXIT_CODE = 77;
}

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    int result = RUN_ALL_TESTS();
    const testing::UnitTest& run = *testing::UnitTest::GetInstance();
    if (result == 0 && run.skipped_test_count() > 0 && run.successful_test_count() == 0) return SKIPPED_EXIT_CODE;
    return result;
}
