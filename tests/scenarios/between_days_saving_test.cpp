// The shop, saving and Load Game through the replay tool: buying at exactly
// the price, a save restored by a fresh run, damaged files, and a save that
// cannot be written.
#include "scenarios/day_player.h"
#include "support/scripts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

bool Drew(const json& draws, const std::string& text)
{
    for (const json& d : draws)
        if (d["t"] == "text" && d["s"] == text)
            return true;
    return false;
}

void WriteFile(const fs::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

// Through the report and into the shop after the day's close.
const std::string kToShop = "press ENTER\npress ENTER\n";

}  // namespace

TEST(SavingScenario, BuyingAtExactlyThePrice)
{
    ReplayFolder folder;
    WriteFile(folder.path() / "SavedGame.txt",
              "2\n0 0 0 0 0\n0 0 0 0 0 0\n0 0 0 0\n0 0 0 270 0 0\n0 0 0 0\n99.9 80\n");
    const ReplayRun run = RunReplay(LoadSavedGameScript() + "dump\ndraws\n"
                                    "press 5\npress ENTER\ndump\ndraws\n"
                                    "press 4\npress ENTER\ndump\ndraws\n"
                                    "press 5\npress ENTER\ndump\n",
                                    true, &folder);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ASSERT_EQ(run.lines.size(), 7u);
    const json& loaded = run.lines[0];
    EXPECT_EQ(loaded["betweenDaysStage"], 2);
    EXPECT_TRUE(Drew(run.lines[1], "5 - $220.00"));
    EXPECT_TRUE(Drew(run.lines[1], "4 - $50.00"));
    EXPECT_TRUE(Drew(run.lines[1], "1 - MAX LEVEL"));  // the day start sets the kitchen levels to 5

    const json& advert = run.lines[2];
    EXPECT_EQ(advert["upgrades"]["advertisement"], 1);
    EXPECT_EQ(advert["total"]["funds"], 50);
    EXPECT_TRUE(Drew(run.lines[3], "5 - $300.00"));

    const json& battery = run.lines[4];
    EXPECT_EQ(battery["battery"], 100);
    EXPECT_EQ(battery["total"]["funds"], 0);
    EXPECT_TRUE(Drew(run.lines[5], "4 - SOLD OUT"));
    EXPECT_TRUE(Drew(run.lines[5], "Current battery has MAX power"));

    // Nothing left to pay with: nothing bought, nothing owed.
    EXPECT_EQ(run.lines[6]["upgrades"]["advertisement"], 1);
    EXPECT_EQ(run.lines[6]["total"]["funds"], 0);
}

TEST(SavingScenario, SaveThenLoadGameInAFreshRun)
{
    ReplayFolder folder;
    WriteFile(folder.path() / "SavedGame.txt",
              "4\n1 2 3 4 5\n6 7 8 9 10 11\n12 13 14 15\n3.25 301.25 3 1234.56 58 51\n0 0 0 2\n"
              "71.5 77.7\n");
    // Load day 4, play day 5 without orders, buy an advertisement level, save.
    const ReplayRun first = RunReplay(LoadSavedGameScript() + "press 6\npress X\npress ENTER\n"
                                      "frames 21200\n" + kToShop +
                                      "press 5\npress ENTER\npress 6\npress S\ndump\ndraws\n"
                                      "frames 147\ndraws\nframes 2\ndraws\n"
                                      "press ENTER\ndump\n",
                                      true, &folder);
    ASSERT_EQ(first.exitCode, 0) << first.err;
    ASSERT_EQ(first.lines.size(), 5u);
    const json& saved = first.lines[0];
    EXPECT_EQ(saved["betweenDaysStage"], 3);
    EXPECT_FALSE(saved["saveRequested"]);
    EXPECT_FALSE(saved["saveFailed"]);
    EXPECT_EQ(saved["dayNumber"], 5);
    EXPECT_EQ(saved["upgrades"]["advertisement"], 3);
    EXPECT_TRUE(Drew(first.lines[1], "SAVING."));
    EXPECT_TRUE(Drew(first.lines[2], "SAVING..."));
    EXPECT_TRUE(Drew(first.lines[3], "GAME HAS BEEN SAVED!"));
    EXPECT_TRUE(Drew(first.lines[3], "Press <enter>"));
    EXPECT_EQ(first.lines[4]["betweenDaysStage"], 2);
    EXPECT_FALSE(fs::exists(folder.path() / "SavedGame.txt.tmp"));

    const std::string file = ReadFile(folder.path() / "SavedGame.txt");
    std::istringstream lines(file);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "5");
    std::getline(lines, line);
    EXPECT_EQ(line, "1 2 3 4 5");  // the lifetime burgers, alphabetical, as loaded

    const ReplayRun second = RunReplay(LoadSavedGameScript() + "dump\n", true, &folder);
    ASSERT_EQ(second.exitCode, 0) << second.err;
    ASSERT_EQ(second.lines.size(), 1u);
    const json& loaded = second.lines[0];
    EXPECT_EQ(loaded["dayNumber"], saved["dayNumber"]);
    EXPECT_EQ(loaded["battery"], saved["battery"]);
    EXPECT_EQ(loaded["satisfaction"], saved["satisfaction"]);
    EXPECT_EQ(loaded["upgrades"]["advertisement"], 3);
    for (const char* key : {"funds", "bestDayRevenue", "bestDayNumber", "fastestOrder", "customers",
                            "ordersServed", "drinksSold", "burgersSold", "sidesSold"})
        EXPECT_EQ(loaded["total"][key], saved["total"][key]) << key;
    EXPECT_TRUE(loaded["dayOver"]);
    EXPECT_EQ(loaded["betweenDaysStage"], 2);

    // On from the shop: the day after the saved one.
    const ReplayRun third = RunReplay(LoadSavedGameScript() + "press 6\npress X\npress ENTER\ndump\n",
                                      true, &folder);
    ASSERT_EQ(third.exitCode, 0) << third.err;
    EXPECT_EQ(third.lines.at(0)["dayNumber"], 6);
    EXPECT_FALSE(third.lines.at(0)["dayOver"]);
}

TEST(SavingScenario, DamagedSavedGamesStillGiveAPlayableDay)
{
    const std::string damaged[] = {
        "",                                           // empty
        "7\n1 2 3\n",                                 // cut short
        "-4 x y z\n9999999999 nan 1e99 -1 7 7 7\n",  // nothing usable in range
        std::string("\x01\xff\x00garbage\n", 11) + std::string(5000, '9'),
    };
    for (const std::string& text : damaged) {
        ReplayFolder folder;
        WriteFile(folder.path() / "SavedGame.txt", text);
        const ReplayRun run = RunReplay(LoadSavedGameScript() + "dump\ndraws\n"
                                        "press 6\npress X\npress ENTER\nframes 600\ndump\n",
                                        true, &folder);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        ASSERT_EQ(run.lines.size(), 3u);
        const json& shop = run.lines[0];
        EXPECT_EQ(shop["betweenDaysStage"], 2);
        EXPECT_GE(shop["dayNumber"].get<int>(), 1);
        EXPECT_GE(shop["battery"].get<float>(), 0.0f);
        EXPECT_LE(shop["battery"].get<float>(), 100.0f);
        EXPECT_TRUE(Drew(run.lines[1], "6 - Save/Exit"));
        const json& playing = run.lines[2];
        EXPECT_FALSE(playing["dayOver"]);
        EXPECT_EQ(playing["dayNumber"], shop["dayNumber"].get<int>() + 1);
        EXPECT_TRUE(playing["clock"]["am"]);
    }
}

TEST(SavingScenario, ASaveThatCannotBeWrittenIsReported)
{
    ReplayFolder folder;
    fs::create_directory(folder.path() / "SavedGame.txt");  // a folder where the file must go
    const ReplayRun run = RunReplay(StartNewGame() + "frames 21200\n" + kToShop +
                                    "press 6\npress S\nframes 149\ndump\ndraws\n"
                                    "press ENTER\ndump\n",
                                    true, &folder);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ASSERT_EQ(run.lines.size(), 3u);
    EXPECT_TRUE(run.lines[0]["saveFailed"]);
    EXPECT_FALSE(run.lines[0]["saveRequested"]);
    EXPECT_TRUE(Drew(run.lines[1], "GAME WAS NOT SAVED!"));
    EXPECT_FALSE(Drew(run.lines[1], "GAME HAS BEEN SAVED!"));
    EXPECT_EQ(run.lines[2]["betweenDaysStage"], 2);
    EXPECT_TRUE(fs::is_directory(folder.path() / "SavedGame.txt"));
    EXPECT_TRUE(fs::is_empty(folder.path() / "SavedGame.txt"));
    EXPECT_FALSE(fs::exists(folder.path() / "SavedGame.txt.tmp"));
}
