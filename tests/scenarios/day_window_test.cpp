// The window: a bag handed to the wrong car and the red flash, and waving on a
// car that has nothing to be handed.
#include "support/day_scripts.h"

#include <gtest/gtest.h>

using nlohmann::json;

namespace {

float F(const json& v) { return v.get<float>(); }

bool IsRed(const json& draws)
{
    return !draws.empty() && draws[0]["t"] == "clear" && draws[0]["rgba"] == json::array({1, 0, 0, 0});
}

// Two cars answered, a Coke keyed and the order closed for each.
std::string TwoCokeOrders()
{
    std::string script = AnswerNextCar(StartNewGame());
    if (script.empty())
        return "";
    script = AnswerNextCar(script + "press K\npress END\n");
    return script.empty() ? "" : script + "press K\npress END\n";
}

}  // namespace

TEST(DayWindow, TheWrongCarCostsFiveAndFlashesTheWindowRedForSeventyFiveFrames)
{
    const std::string orders = TwoCokeOrders();
    ASSERT_FALSE(orders.empty());
    // Both Cokes cooked; the first goes into bag 2, which belongs to the second car.
    const std::string carried = orders + "frames 1300\npress RIGHT\nframes 72\npress 2\npress SPACE\ndraws\npress ENTER\n";
    ReplayRun run = RunReplay(carried +
                              "dump\ndown ENTER\nframes 1\ndump\ndraws\n"  // 1, 2, 3: frame W
                              "frames 1\ndraws\nframes 1\ndraws\n"          // 4, 5: W + 1, W + 2
                              "frames 74\ndraws\ndump\n"                    // 6, 7: W + 76
                              "frames 1\ndraws\nup ENTER\nframes 1\n"      // 8: W + 77
                              "press ENTER\ndump\n");                      // 9
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ASSERT_EQ(run.lines.size(), 10u);
    EXPECT_EQ(FindText(run.lines[0], "Ready!")["x"], 187);  // over bag 2

    const json& before = run.lines[1];
    const json& wrong = run.lines[2];
    ASSERT_EQ(before["inGameView"], 2);
    ASSERT_TRUE(before["slots"][1]["pickedUp"]);
    EXPECT_EQ(wrong["framesSinceWrongBag"], 0);
    EXPECT_FALSE(wrong["slots"][1]["pickedUp"]);
    EXPECT_EQ(wrong["slots"][1]["receipt"]["orderNumber"], 2);  // the bag stays with its receipt
    EXPECT_EQ(wrong["customersServed"], 0);
    float drain = before["registerState"] == 1 ? 0.002f : 0.0f;
    EXPECT_FLOAT_EQ(F(wrong["satisfaction"]), F(before["satisfaction"]) - 5.0f - drain);

    // The view sets the next frame's clear colour: frames W + 2 to W + 76 clear red.
    EXPECT_FALSE(IsRed(run.lines[3]));
    EXPECT_FALSE(IsRed(run.lines[4]));
    EXPECT_TRUE(IsRed(run.lines[5]));
    EXPECT_TRUE(IsRed(run.lines[6]));
    EXPECT_EQ(run.lines[7]["framesSinceWrongBag"], 75);
    EXPECT_FALSE(IsRed(run.lines[8]));

    // Enter again: no bag is picked up, and the car at the window has its bag in the kitchen.
    EXPECT_EQ(run.lines[9]["customersServed"], 0);
    EXPECT_EQ(run.lines[9]["carsInLine"], 2);
    EXPECT_FALSE(run.lines[9]["carWithoutReceipt"]);
}

TEST(DayWindow, ACarWithoutAReceiptIsWavedOnWithEnter)
{
    const std::string answered = AnswerNextCar(StartNewGame());
    ASSERT_FALSE(answered.empty());
    // Still keying its order: not stuck yet.
    ReplayRun open = RunReplay(answered + "press LEFT\nframes 72\ndraws\npress ENTER\ndump\n");
    ASSERT_EQ(open.exitCode, 0) << open.err;
    EXPECT_TRUE(FindText(open.lines[0], "<enter> waves it on").is_null());
    EXPECT_FALSE(open.lines[1]["carWithoutReceipt"]);
    EXPECT_EQ(open.lines[1]["customersServed"], 0);

    // Closed with End and nothing keyed: no receipt will ever come.
    ReplayRun run = RunReplay(answered + "press END\npress LEFT\nframes 72\ndump\ndraws\n" +
                              "down ENTER\nframes 1\ndump\nup ENTER\nframes 1\ndraws\n");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ASSERT_EQ(run.lines.size(), 4u);
    const json& stuck = run.lines[0];
    EXPECT_EQ(stuck["inGameView"], 2);
    EXPECT_TRUE(stuck["carWithoutReceipt"]);
    const int picture = stuck["customers"][0]["picture"];
    EXPECT_FALSE(FindSprite(run.lines[1], 33 + picture).is_null());  // the car, not the closed door
    EXPECT_TRUE(FindSprite(run.lines[1], 32).is_null());
    EXPECT_FALSE(FindText(run.lines[1], "<enter> waves it on").is_null());

    const json& waved = run.lines[2];
    EXPECT_EQ(waved["customersServed"], 1);
    EXPECT_EQ(waved["carsInLine"], 0);
    EXPECT_FALSE(waved["carWithoutReceipt"]);
    const float drain = stuck["registerState"] == 1 ? 0.002f : 0.0f;
    EXPECT_NEAR(F(waved["satisfaction"]), F(stuck["satisfaction"]) - 5.0f - drain, 0.0025f);
    EXPECT_EQ(waved["day"]["ordersServed"], 0);
    EXPECT_EQ(waved["day"]["orderIndex"], 0);
    EXPECT_EQ(F(waved["day"]["revenue"]), 0.0f);
    EXPECT_FALSE(FindSprite(run.lines[3], 32).is_null());
    EXPECT_TRUE(FindText(run.lines[3], "<enter> waves it on").is_null());
}
