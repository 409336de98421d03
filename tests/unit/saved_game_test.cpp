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
    game.totals.bestDayRevenue = 5.0f;
    writeSavedGame("1000000000 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1000000000 0 0 2147483520 99999992 0 0 5 0 5 0 0 -100\n");
    load();
    EXPECT_EQ(day.stats.dayNumber, 1000000000);
    EXPECT_EQ(game.totals.sidesSold[Side::TatorTots], 1000000000);
    EXPECT_EQ(game.totals.bestDayRevenue, 0.0f);
    EXPECT_EQ(game.totals.bestDayNumber, 2147483520);
    EXPECT_EQ(game.totals.funds, 99999992.0f);
    EXPECT_EQ(levels(), std::vector<int>({5, 0, 5, 0}));
    EXPECT_EQ(game.headsetBattery, 0.0f);
    EXPECT_EQ(game.customerSatisfaction, -100.0f);
    writeSavedGame("1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1000000000 0 0 0 0 0 0 0 5 0 5 100 0\n");
    load();
    EXPECT_EQ(levels(), std::vector<int>({0, 5, 0, 5}));
    EXPECT_EQ(game.headsetBattery, 100.0f);

    // One past: the day would overflow with the days to come, money below nothing
    // or beyond $99,999,999.99, the best-day number does not fit its integer,
    // levels above the highest, a battery above full, satisfaction above 100.
    exampleGame();
    writeSavedGame("1000000001 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1000000001 0 -0.01 2147483648 1e8 0 0 6 6 6 6 100.01 "
                   "100.01\n");
    load();
    EXPECT_EQ(game.totals.bestDayRevenue, 301.25f);
    EXPECT_EQ(game.totals.funds, 812.4f);
    EXPECT_EQ(game.customerSatisfaction, 91.0f);
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

TEST_F(SavedGame, TheTerminalIsToldEachRefusedFieldAndWhyASaveFailed)
{
    const std::string from = std::string(program_invocation_short_name) + ": SavedGame.txt: ";
    const std::string saved = "3 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 4.5 301.25 2 812.4 58 51 1 2 0 0 64.3 91";
    struct Case {
        std::string text;
        std::vector<std::string> said;
    };
    const Case cases[] = {
        {"\xff\x01garbage", {"field 1 (dayNumber): \"\\xFF\\x01garbage\" is not a whole number; keeping 3",
                             "ends before field 2 (Cheeseburger sold); it and the fields after it keep their values"}},
        {" \n", {"is empty; every field keeps its value"}},
        {"3 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 4.5 301.25 2 -1e30 58 51 1 2 0 0 64.3 1e9",
         {"field 20 (funds): \"-1e30\" is out of range (0 to 99999999.99); keeping 812.4",
          "field 28 (customerSatisfaction): \"1e9\" is out of range (-100 to 100); keeping 91"}},
        {saved + " 7", {"holds more than 28 values; the rest is not read"}},
        {saved, {}},
    };
    for (const Case& c : cases) {
        exampleGame();
        writeSavedGame(c.text);
        testing::internal::CaptureStderr();
        load();
        std::string expected;
        for (const std::string& line : c.said)
            expected += from + line + "\n";
        EXPECT_EQ(testing::internal::GetCapturedStderr(), expected);
        EXPECT_EQ(game.totals.funds, 812.4f);
    }

    // A full disk: the save says so, and the old file stays.
    fs::create_symlink("/dev/full", "SavedGame.txt.tmp");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(save());
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              from + "not saved: cannot write SavedGame.txt.tmp: No space left on device\n");
    EXPECT_EQ(ReadFile("SavedGame.txt"), saved);
}
