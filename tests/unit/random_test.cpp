// The game's random generator.
#include "model/random.h"

#include <gtest/gtest.h>

TEST(RandomGenerator, DrawsTheKnownSequenceFromStateOne)
{
    rngState = 1;
    EXPECT_EQ(randomOutput(), 41);
    EXPECT_EQ(randomOutput(), 18467);
    EXPECT_EQ(randomOutput(), 6334);
    rngState = 1;
    EXPECT_EQ(rnd(100), 41);
    EXPECT_EQ(rnd(256), 18467 % 256);
}
