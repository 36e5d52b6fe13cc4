#include "platform/DeterministicRandom.h"
#include "platform/SystemTickCounter.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace skyvane;

TEST(DeterministicRandom, EveryStartGivesTheSameSpreadSequenceBelowOne)
{
    DeterministicRandom first;
    DeterministicRandom second;
    float lowest = 1.0f;
    float highest = 0.0f;
    for (int i = 0; i < 100'000; ++i) {
        const float value = first.next();
        ASSERT_EQ(value, second.next());
        ASSERT_GE(value, 0.0f);
        ASSERT_LT(value, 1.0f);
        lowest = std::min(lowest, value);
        highest = std::max(highest, value);
    }
    EXPECT_LT(lowest, 0.0001f);
    EXPECT_GT(highest, 0.9999f);
}

TEST(SystemTickCounter, KeepsTheLow32BitsReadAsSigned)
{
    EXPECT_EQ(truncateTickCount(2147483647ULL), 2147483647);
    EXPECT_EQ(truncateTickCount(2147483648ULL), -2147483647 - 1);
    EXPECT_EQ(truncateTickCount(4294967295ULL), -1);
    EXPECT_EQ(truncateTickCount(4294967296ULL + 5), 5);
}
