// The report's figures: sold counts and shares by short key, and the padding that aligns them.
#include "model/game_state.h"
#include "model/stats.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

class ReportFigures : public ::testing::Test {
protected:
    void SetUp() override
    {
        day.stats = DayStats{};
        game.totals = TotalStats{};
    }
    void TearDown() override { SetUp(); }
};

}  // namespace

TEST_F(ReportFigures, CountsAndSharesOfTheChosenRecord)
{
    day.stats.drinksSold[Drink::Coke] = 3;
    day.stats.drinksSold[Drink::RootBeer] = 1;
    game.totals.drinksSold[Drink::Coke] = 7;
    EXPECT_EQ(day.stats.drinksSoldCount(), 4);
    EXPECT_EQ(reportValue("coke", true), 3.0f);
    EXPECT_EQ(reportValue("rootbeer%", true), 25.0f);
    EXPECT_EQ(reportValue("coke%", true), 75.0f);
    EXPECT_EQ(reportValue("coke", false), 7.0f);
    EXPECT_EQ(reportValue("coke%", false), 100.0f);
    EXPECT_EQ(reportValue("rootbeer", false), 0.0f);
}

TEST_F(ReportFigures, EveryKeyReadsItsOwnCounter)
{
    const char* drinks[] = {"coke", "pepsi", "orange", "grape", "rootbeer", "lemonade"};
    const char* burgers[] = {"megaburger", "cheeseburger", "hamburger", "fish", "chicken"};
    const char* sides[] = {"fries", "csticks", "tatortots", "onionrings"};
    for (int i = 0; i < 6; ++i)
        game.totals.drinksSold[i] = 10 + i;
    for (int i = 0; i < 5; ++i)
        game.totals.burgersSold[i] = 20 + i;
    for (int i = 0; i < 4; ++i)
        game.totals.sidesSold[i] = 30 + i;
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(reportValue(drinks[i], false), 10.0f + i) << drinks[i];
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(reportValue(burgers[i], false), 20.0f + i) << burgers[i];
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(reportValue(sides[i], false), 30.0f + i) << sides[i];
    // Shares are of the item's own category, held as 32-bit floats.
    EXPECT_EQ(reportValue("fish%", false), 23.0f / 110.0f * 100.0f);
    EXPECT_EQ(reportValue("onionrings%", false), 33.0f / 126.0f * 100.0f);
}

TEST_F(ReportFigures, UnknownKeysAndEmptyCategories)
{
    day.stats.burgersSold[Burger::Hamburger] = 5;
    EXPECT_EQ(reportValue("Coke", true), 0.0f);
    EXPECT_EQ(reportValue("hamburgers", true), 0.0f);
    EXPECT_EQ(reportValue("%", true), 0.0f);
    EXPECT_EQ(reportValue("", true), 0.0f);
    EXPECT_EQ(reportValue(nullptr, true), 0.0f);
    EXPECT_TRUE(std::isnan(reportValue("fries%", true)));  // 0 of 0 sides
    day.stats.sidesSold[Side::Fries] = 0;
    EXPECT_TRUE(std::isnan(reportValue("coke%", true)));
}

TEST_F(ReportFigures, AlignmentSpacesByValue)
{
    day.stats.sidesSold[Side::Fries] = 100;
    day.stats.sidesSold[Side::CheeseSticks] = 99;
    day.stats.sidesSold[Side::TatorTots] = 10;
    day.stats.sidesSold[Side::OnionRings] = 9;
    EXPECT_STREQ(alignmentSpaces("fries", true), "");
    EXPECT_STREQ(alignmentSpaces("csticks", true), " ");
    EXPECT_STREQ(alignmentSpaces("tatortots", true), " ");
    EXPECT_STREQ(alignmentSpaces("onionrings", true), "  ");
    EXPECT_STREQ(alignmentSpaces("nothing", true), "  ");

    game.totals.drinksSold[Drink::Coke] = 1;
    EXPECT_STREQ(alignmentSpaces("coke%", false), "");  // exactly 100
    game.totals.drinksSold[Drink::Pepsi] = 9;
    EXPECT_STREQ(alignmentSpaces("coke%", false), " ");  // exactly 10
    game.totals.burgersSold[Burger::Megaburger] = 999;
    game.totals.burgersSold[Burger::Hamburger] = 1;
    game.totals.burgersSold[Burger::Cheeseburger] = 9000;
    EXPECT_STREQ(alignmentSpaces("megaburger%", false), "  ");  // 9.99
    EXPECT_STREQ(alignmentSpaces("fries%", false), "  ");        // not a number

    // Three constant texts: the report may print them without releasing anything.
    EXPECT_EQ(alignmentSpaces("nothing", true), alignmentSpaces("pepsi", false));
}
