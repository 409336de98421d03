// The day clock through the replay tool, and closing time: the clock standing
// at 10 pm while cars are in line, leftovers wasted, the day ending.
#include "support/day_scripts.h"

#include <gtest/gtest.h>

#include <cmath>

using nlohmann::json;

namespace {

bool ClockIs(const json& state, float h, float m, float s, bool am)
{
    const json& c = state["clock"];
    return c["hours"] == h && c["minutes"] == m && std::abs(c["seconds"].get<float>() - s) < 0.01f &&
           c["am"] == am;
}

}  // namespace

TEST(DayClosing, TheClockShowsSixOhOneAfterTwentyTwoFramesAndSevenAfterThirteenTwenty)
{
    // The game's first frame is the last frame of the start-up script; the 22nd's
    // step carries the seconds past 60, and the excess is dropped.
    ReplayRun run = RunReplay(StartNewGame() + "dump\nframes 21\ndump\nframes 1298\ndump\n");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(ClockIs(run.lines[0], 6, 0, 2.775f, true));
    EXPECT_TRUE(ClockIs(run.lines[1], 6, 1, 0, true));
    EXPECT_TRUE(ClockIs(run.lines[2], 7, 0, 0, true));
}

TEST(DayClosing, WithNobodyInLineTheDayClosesAtTenAndLeftoversAreWasted)
{
    // Keyed without an order: they go to the kitchen only, and nobody takes them.
    ReplayRun run = RunReplay(StartNewGame() + "press M\npress F\npress K\nframes 21112\ndump\nframes 1\ndump\ndraws\n" +
                              "frames 1\ndraws\n");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ASSERT_EQ(run.lines.size(), 4u);
    const json& before = run.lines[0];
    const json& closed = run.lines[1];
    EXPECT_TRUE(ClockIs(before, 9, 59, 58.275f, false));
    EXPECT_FALSE(before["dayOver"]);
    EXPECT_TRUE(ClockIs(closed, 10, 0, 0, false));
    EXPECT_TRUE(closed["dayOver"]);
    EXPECT_EQ(closed["registerState"], 0);
    EXPECT_EQ(closed["kitchen"].size(), 0u);
    EXPECT_EQ(closed["day"]["itemsWasted"], 3);
    EXPECT_EQ(closed["day"]["burgersWasted"][0], 1);
    EXPECT_EQ(closed["day"]["sidesWasted"][0], 1);
    EXPECT_EQ(closed["day"]["drinksWasted"][0], 1);
    EXPECT_EQ(closed["total"]["itemsWasted"], 3);
    EXPECT_EQ(closed["day"]["averageSpeed"], "nan");
    // The closing frame still draws the status bar; the next one is DAY OVER.
    EXPECT_FALSE(FindText(run.lines[2], "10:00 pm").is_null());
    EXPECT_FALSE(FindText(run.lines[3], "DAY OVER").is_null());
    EXPECT_TRUE(FindText(run.lines[3], "Battery: ").is_null());
}

TEST(DayClosing, AtTenPmTheClockStandsUntilTheLastCarIsServed)
{
    std::string script = AnswerNextCar(StartNewGame());
    ASSERT_FALSE(script.empty());
    script = AnswerNextCar(script + "press K\npress END\n");
    ASSERT_FALSE(script.empty());
    // Two Cokes, one in each of bags 1 and 2; then wait in the kitchen for 10 pm.
    script += "press K\npress END\nframes 1300\npress RIGHT\nframes 72\n"
              "press 1\npress SPACE\npress 2\npress SPACE\nframes 21000\n";
    ReplayRun run = RunReplay(script +
                              "dump\nframes 200\ndump\n"                                      // 0, 1
                              "press LEFT\nframes 72\ndraws\ndump\n"                          // 2, 3: register
                              "press RIGHT\nframes 72\npress 1\npress ENTER\n"                // to the window
                              "down ENTER\nframes 1\ndump\nup ENTER\nframes 1\n"               // 4: first car
                              "press LEFT\nframes 72\npress 2\npress ENTER\n"
                              "down ENTER\nframes 1\ndump\nup ENTER\nframes 1\ndraws\n");     // 5, 6: second car
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ASSERT_EQ(run.lines.size(), 7u);
    const json& tenPm = run.lines[0];
    ASSERT_TRUE(ClockIs(tenPm, 10, 0, 0, false));
    EXPECT_EQ(tenPm["carsInLine"], 2);
    EXPECT_FALSE(tenPm["dayOver"]);
    EXPECT_TRUE(ClockIs(run.lines[1], 10, 0, 0, false));
    EXPECT_EQ(run.lines[1]["battery"], tenPm["battery"]);
    EXPECT_FALSE(run.lines[1]["dayOver"]);

    EXPECT_FALSE(FindText(run.lines[2], "Drive Thru is closed at 10 pm").is_null());
    EXPECT_FALSE(FindText(run.lines[2], "get some rest").is_null());
    EXPECT_EQ(run.lines[3]["registerState"], 0);

    EXPECT_EQ(run.lines[4]["customersServed"], 1);
    EXPECT_FALSE(run.lines[4]["dayOver"]);
    const json& last = run.lines[5];
    EXPECT_EQ(last["customersServed"], 2);
    EXPECT_TRUE(last["dayOver"]);
    EXPECT_TRUE(ClockIs(last, 10, 0, 0, false));
    EXPECT_EQ(last["day"]["ordersServed"], 2);
    EXPECT_FLOAT_EQ(last["total"]["funds"].get<float>(), 2.4f);
    EXPECT_FALSE(FindText(run.lines[6], "DAY OVER").is_null());
}
