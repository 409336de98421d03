// The saved game file: the float texts, a failed save that keeps the old file,
// and loading damaged files field by field.
#include "rules/saved_game.h"
#include "support/in_fresh_folder.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <vector>

namespace fs = std::filesystem;

namespace {

class SavedGame : public InFreshFolder {
protected:
    // The example game: saved after day 3.
    static void exampleGame()
    {
        day.stats.dayNumber = 3;
        game.totals.funds = 812.40f;
        game.totals.bestDayRevenue = 301.25f;
        game.totals.writeBestDayNumber(2.0f);
        game.totals.fastestOrder = 4.5f;
        game.totals.customers = 58;
        game.totals.ordersServed = 51;
        game.upgradeLevels.drinks = 1;
        game.upgradeLevels.burgers = 2;
        game.headsetBattery = 64.3f;
        game.customerSatisfaction = 91.0f;
    }
    static bool save()
    {
        return SaveGame(game.headsetBattery, game.customerSatisfaction);
    }
    static void writeSavedGame(const std::string& text)
    {
        std::ofstream("SavedGame.txt", std::ios::binary) << text;
    }
    static void load() { LoadGame(game.headsetBattery, game.customerSatisfaction, game.dayOver); }
};

}  // namespace

TEST_F(SavedGame, EveryFloatComesBackExactly)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<float> money(0.0f, 100000.0f);
    for (int i = 0; i < 20000; ++i) {
        const float value = std::round(money(random) * 100.0f) / 100.0f;
        const std::string text = SavedFloatText(value);
        EXPECT_EQ(std::strtof(text.c_str(), nullptr), value) << text;
        char general[32];
        std::snprintf(general, sizeof general, "%g", value);
        if (std::strtof(general, nullptr) == value) {
            EXPECT_EQ(text, general);
        }
    }
}

TEST_F(SavedGame, AFailedSaveLeavesTheOldFileAsItWas)
{
    exampleGame();
    ASSERT_TRUE(save());
    const std::string old = ReadFile("SavedGame.txt");
    // The temporary file cannot be made: the write fails before the old file is touched.
    fs::create_directory("SavedGame.txt.tmp");
    day.stats.dayNumber = 9;
    EXPECT_FALSE(save());
    EXPECT_EQ(ReadFile("SavedGame.txt"), old);
    EXPECT_TRUE(fs::is_directory("SavedGame.txt.tmp"));
}

TEST_F(SavedGame, BadValuesLeaveOnlyTheirOwnField)
{
    exampleGame();
    game.totals.drinksSold[Drink::Coke] = 77;
    game.totals.sidesSold[Side::Fries] = 33;
    game.totals.bestDayNumber = 6;
    // Every field bad or out of range, except the three marked good.
    writeSavedGame("0\n"                               // day below 1
                   "-1 x 3.5 +7 99999999999\n"        // negative, text, fraction, good (+7), too big
                   "abc 12abc 1e3 0x10 2 -0.5\n"      // Pepsi good (2)
                   "- + -- 1,000\n"
                   "nan +-2 -5 1e50 -3 0.5\n"          // two signs, best-day number -5, funds beyond a float
                   "6 -1 5.0 five\n"
                   "100.5 inf\n");
    load();
    const TotalStats& t = game.totals;
    const UpgradeLevels& l = game.upgradeLevels;
    EXPECT_EQ(std::vector<int>({day.stats.dayNumber, t.burgersSold[Burger::Hamburger], t.drinksSold[Drink::Pepsi],
                                t.drinksSold[Drink::Coke], t.sidesSold[Side::Fries], t.bestDayNumber, t.customers,
                                t.ordersServed, l.drinks, l.burgers, l.sides, l.advertisement}),
              std::vector<int>({3, 7, 2, 77, 33, 6, 58, 51, 1, 2, 0, 0}));
    EXPECT_EQ(std::vector<float>({t.fastestOrder, t.bestDayRevenue, t.funds, game.headsetBattery,
                                  game.customerSatisfaction}),
              std::vector<float>({4.5f, 301.25f, 812.4f, 64.3f, 91.0f}));
    EXPECT_TRUE(game.dayOver);
    EXPECT_EQ(static_cast<int>(game.betweenDaysStage), 2);
}

TEST_F(SavedGame, ValuesAtTheEdgesOfTheirRanges)
{
    const UpgradeLevels& l = game.upgradeLevels;
    auto levels = [&l] { return std::vector<int>({l.drinks, l.burgers, l.sides, l.advertisement}); };
    game.upgradeLevels = UpgradeLevels{3, 3, 3, 3, 1};
    writeSavedGame("1000000000 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1000000000 0 -2.5 2147483520 -3 0 0 5 0 5 0 0 -7.25\n");
    load();
    EXPECT_EQ(day.stats.dayNumber, 1000000000);
    EXPECT_EQ(game.totals.sidesSold[Side::TatorTots], 1000000000);
    EXPECT_EQ(game.totals.bestDayRevenue, -2.5f);
    EXPECT_EQ(game.totals.bestDayNumber, 2147483520);
    EXPECT_EQ(game.totals.funds, -3.0f);
    EXPECT_EQ(levels(), std::vector<int>({5, 0, 5, 0}));
    EXPECT_EQ(game.headsetBattery, 0.0f);
    EXPECT_EQ(game.customerSatisfaction, -7.25f);
    writeSavedGame("1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1000000000 0 0 0 0 0 0 0 5 0 5 100 0\n");
    load();
    EXPECT_EQ(levels(), std::vector<int>({0, 5, 0, 5}));
    EXPECT_EQ(game.headsetBattery, 100.0f);

    // One past: the day would overflow with the days to come, the best-day
    // number does not fit its integer, levels above the highest, a battery above full.
    exampleGame();
    writeSavedGame("1000000001 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1000000001 0 0 2147483648 0 0 0 6 6 6 6 100.01 0\n");
    load();
    EXPECT_EQ(day.stats.dayNumber, 3);
    EXPECT_EQ(game.totals.sidesSold[Side::TatorTots], 1000000000);
    EXPECT_EQ(game.totals.bestDayNumber, 2);
    EXPECT_EQ(levels(), std::vector<int>({1, 2, 0, 5}));
    EXPECT_EQ(game.headsetBattery, 64.3f);
}

TEST_F(SavedGame, ATruncatedFileKeepsWhatItHolds)
{
    exampleGame();
    writeSavedGame("6 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 4.5 30");  // cut in the middle of a value
    load();
    EXPECT_EQ(day.stats.dayNumber, 6);
    EXPECT_EQ(game.totals.sidesSold[Side::TatorTots], 15);
    EXPECT_EQ(game.totals.bestDayRevenue, 30.0f);
    EXPECT_EQ(game.totals.bestDayNumber, 2);
    EXPECT_EQ(game.totals.funds, 812.4f);
    EXPECT_EQ(game.headsetBattery, 64.3f);
    EXPECT_EQ(static_cast<int>(game.betweenDaysStage), 2);
}
