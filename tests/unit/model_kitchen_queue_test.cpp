// The kitchen queue: jobs appended with their rate and colour, removed from the front.
#include "model/game_state.h"
#include "model/random.h"

#include <gtest/gtest.h>

namespace {

class KitchenQueue : public ::testing::Test {
protected:
    void SetUp() override
    {
        game = GameState{}; day = DayState{};
        savedRng = rngState;
    }
    void TearDown() override
    {
        game = GameState{}; day = DayState{};
        rngState = savedRng;
    }
    uint32_t savedRng = 0;
};

}  // namespace

TEST_F(KitchenQueue, AQueuedJobTakesItsRateNameAndThreeColourDraws)
{
    recomputeCookRates(UpgradeLevels{.drinks = 5, .burgers = 5, .sides = 5});
    day.kitchenQueue[0].warning = true;
    day.kitchenQueue[0].warningTimer = 37;
    day.kitchenQueue[0].progress = 55.0f;
    day.kitchenQueue[0].colourTimer = 4;

    rngState = 1;
    queueCookJob(5);
    const CookJob& job = day.kitchenQueue[0];
    EXPECT_EQ(day.kitchenQueueCount, 1);
    EXPECT_EQ(job.item, 5);
    EXPECT_EQ(job.name, "Chicken Sandwich");
    EXPECT_EQ(job.rate, game.cookRateTable[4]);
    EXPECT_TRUE(job.active);
    EXPECT_FALSE(job.warning);
    EXPECT_EQ(job.warningTimer, 37);  // left as it was
    EXPECT_EQ(job.progress, 0.0f);
    EXPECT_EQ(job.colourTimer, 0);
    // The generator's first outputs from state 1 are 41, 18467, 6334.
    EXPECT_EQ(job.red, static_cast<float>(41 % 254 + 1) / 255.0f);
    EXPECT_EQ(job.green, static_cast<float>(18467 % 254 + 1) / 255.0f);
    EXPECT_EQ(job.blue, static_cast<float>(6334 % 254 + 1) / 255.0f);
}

TEST_F(KitchenQueue, PoppingMovesEveryJobUpAndEmptiesTheLastEntry)
{
    for (int item : {6, 10, 1})
        queueCookJob(item);
    day.kitchenQueue[1].progress = 40.0f;
    popCookJob();
    EXPECT_EQ(day.kitchenQueueCount, 2);
    EXPECT_EQ(day.kitchenQueue[0].name, "Coke");
    EXPECT_EQ(day.kitchenQueue[0].progress, 40.0f);
    EXPECT_EQ(day.kitchenQueue[1].name, "Megaburger");
    EXPECT_FALSE(day.kitchenQueue[2].active);
    EXPECT_EQ(day.kitchenQueue[2].rate, 0.0f);
    EXPECT_EQ(day.kitchenQueue[2].name, "");

    popCookJob();
    popCookJob();
    popCookJob();  // an empty queue stays empty
    EXPECT_EQ(day.kitchenQueueCount, 0);
    EXPECT_FALSE(day.kitchenQueue[0].active);
}

TEST_F(KitchenQueue, AFullQueueAndUnknownItemsAreRefusedWithoutDrawing)
{
    for (int i = 0; i < kKitchenQueueCapacity; ++i)
        queueCookJob(1 + i % 15);
    EXPECT_EQ(day.kitchenQueueCount, kKitchenQueueCapacity);
    uint32_t before = rngState;
    queueCookJob(1);
    queueCookJob(0);
    queueCookJob(16);
    EXPECT_EQ(day.kitchenQueueCount, kKitchenQueueCapacity);
    EXPECT_EQ(rngState, before);

    popCookJob();
    EXPECT_EQ(day.kitchenQueue[0].item, 2);
    EXPECT_FALSE(day.kitchenQueue[kKitchenQueueCapacity - 1].active);
}
