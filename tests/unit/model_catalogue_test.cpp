// The menu catalogue: lookups by number and name, and the cook rates in 32-bit floats.
#include "model/catalogue.h"
#include "model/game_state.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// Cooking frames until a job at this rate reaches 100, accumulating as the kitchen does.
int FramesToCook(float rate)
{
    float progress = 0.0f;
    int frames = 0;
    while (progress < 100.0f && frames < 100000) {
        progress += rate;
        ++frames;
    }
    return frames;
}

}  // namespace

TEST(Catalogue, LooksUpItemsByNumberAndCategory)
{
    ASSERT_NE(menuItem(1), nullptr);
    EXPECT_STREQ(menuItem(1)->name, "Megaburger");
    EXPECT_STREQ(menuItem(15)->name, "Lemonade");
    EXPECT_EQ(menuItem(0), nullptr);
    EXPECT_EQ(menuItem(16), nullptr);

    EXPECT_EQ(itemCategory(5), ItemCategory::Burger);
    EXPECT_EQ(itemCategory(6), ItemCategory::Side);
    EXPECT_EQ(itemCategory(9), ItemCategory::Side);
    EXPECT_EQ(itemCategory(10), ItemCategory::Drink);
    EXPECT_EQ(itemCategory(0), ItemCategory::Drink);
    EXPECT_EQ(itemCategory(99), ItemCategory::Drink);

    // Fish Sandwich and Chicken Sandwich are keyed with I and E.
    EXPECT_EQ(menuItem(4)->registerKey, 73);
    EXPECT_EQ(menuItem(5)->registerKey, 69);
}

TEST(Catalogue, MakesOrderLinesWithWholeNames)
{
    OrderItem chicken = makeOrderItem(5);
    EXPECT_STREQ(chicken.name, "Chicken Sandwich");
    EXPECT_EQ(chicken.price, 3.20f);
    EXPECT_FALSE(chicken.bagged);
    EXPECT_FALSE(chicken.matched);

    for (int outside : {0, -3, 16}) {
        OrderItem none = makeOrderItem(outside);
        EXPECT_STREQ(none.name, "");
        EXPECT_EQ(none.price, 0.0f);
    }
}

TEST(Catalogue, ShortNamesByExactDisplayName)
{
    EXPECT_STREQ(shortName("Megaburger"), "MegaB");
    EXPECT_STREQ(shortName("Chicken Sandwich"), "ChiknSand");
    EXPECT_STREQ(shortName("Root Beer"), "RBeer");
    EXPECT_STREQ(shortName(""), "IHateFrogs");
    EXPECT_STREQ(shortName("Mega urger"), "IHateFrogs");
    EXPECT_STREQ(shortName("megaburger"), "IHateFrogs");
    EXPECT_STREQ(shortName(nullptr), "IHateFrogs");
}

TEST(CookRates, StartAtBaseAndFollowTheCategoryLevels)
{
    game = GameState{}; day = DayState{};
    for (int i = 0; i < kMenuItemCount; ++i)
        EXPECT_EQ(game.cookRateTable[i], kMenu[i].baseCookRate);

    recomputeCookRates(UpgradeLevels{.drinks = 1, .burgers = 5, .sides = 0});
    EXPECT_EQ(game.cookRateTable[0], 0.0235f + 0.012f * 5.0f);  // Megaburger: burgers level
    EXPECT_EQ(game.cookRateTable[5], 0.05f);                    // Fries: sides level 0
    EXPECT_EQ(game.cookRateTable[13], 0.063f + 0.02f);          // Root Beer: drinks level 1
    game = GameState{}; day = DayState{};
}

TEST(CookRates, AtLevelFiveJobsFinishOnTheirKnownFrame)
{
    game = GameState{}; day = DayState{};
    recomputeCookRates(UpgradeLevels{.drinks = 5, .burgers = 5, .sides = 5});
    EXPECT_EQ(FramesToCook(game.cookRateTable[0]), 1198);  // Megaburger at 0.0835
    EXPECT_EQ(FramesToCook(game.cookRateTable[9]), 579);   // Coke at 0.173
    game = GameState{}; day = DayState{};
}
