// One customer's road through a day: the speaker, the register (hold, Backspace,
// Delete, End), the kitchen and the window, with the grade and the money.
#include "support/day_scripts.h"

#include <gtest/gtest.h>

using nlohmann::json;

namespace {

float F(const json& v) { return v.get<float>(); }

float SecondsOfDay(const json& clock)
{
    return F(clock["hours"]) * 3600 + F(clock["minutes"]) * 60 + F(clock["seconds"]) +
           (clock["am"] || clock["hours"] == 12 ? 0 : 43200);
}

float TimePart(float t)
{
    if (t <= 15) return 0.0f;
    if (t <= 20) return 0.1f;
    if (t <= 25) return 0.15f;
    if (t <= 30) return 0.2f;
    if (t <= 35) return 0.3f;
    if (t <= 50) return 0.4f;
    return 0.5f;
}

}  // namespace

TEST(DayOrder, FromTheSpeakerToTheWindowWithItsGradeAndRevenue)
{
    const std::string answered = AnswerNextCar(StartNewGame());
    ASSERT_FALSE(answered.empty());
    const json taken = StateAfter(answered);
    ASSERT_EQ(taken["customers"].size(), 1u);
    const json& customer = taken["customers"][0];
    EXPECT_EQ(customer["number"], 0);
    EXPECT_TRUE(taken["orderOpen"]);
    EXPECT_TRUE(taken["orderPrompt"]);
    EXPECT_EQ(taken["carsInLine"], 1);
    EXPECT_EQ(taken["day"]["customers"], 1);
    const int items = static_cast<int>(customer["order"].size());
    ASSERT_GE(items, 1);
    ASSERT_LE(items, 3);

    // Key it, close it, cook it, bag it in bag 1, carry it to the window, hand it out.
    std::string script = answered + KeyOrder(customer) + "press END\nframes 3700\n" +
                         "press RIGHT\nframes 72\npress 1\n";
    for (int i = 0; i < items; ++i)
        script += "press SPACE\n";
    script += "dump\npress ENTER\ndump\ndown ENTER\nframes 1\ndump\nup ENTER\nframes 1\ndraws\n";
    ReplayRun run = RunReplay(script);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ASSERT_EQ(run.lines.size(), 4u);
    const json& bagged = run.lines[0];
    const json& atWindow = run.lines[1];
    const json& served = run.lines[2];

    const json& receipt = bagged["slots"][0]["receipt"];
    ASSERT_TRUE(receipt.is_object());
    EXPECT_EQ(receipt["orderNumber"], 1);
    EXPECT_EQ(bagged["kitchen"].size(), 0u);
    float total = 0.0f;
    for (const json& line : receipt["lines"]) {
        EXPECT_TRUE(line["bagged"]);
        total += F(line["price"]);
    }
    EXPECT_EQ(atWindow["inGameView"], 2);
    EXPECT_TRUE(atWindow["slots"][0]["pickedUp"]);
    EXPECT_EQ(atWindow["customersServed"], 0);  // the kitchen's Enter does not also hand it out

    EXPECT_EQ(served["customersServed"], 1);
    EXPECT_EQ(served["carsInLine"], 0);
    EXPECT_TRUE(served["slots"][0]["free"]);
    const json& day = served["day"];
    EXPECT_EQ(day["ordersServed"], 1);
    EXPECT_EQ(day["orderIndex"], 1);
    EXPECT_FLOAT_EQ(F(day["revenue"]), total);
    EXPECT_EQ(day["orderAccuracies"][0], 100);
    // Service time: game seconds from End to the hand-out, over 250.
    const float seconds = SecondsOfDay(served["clock"]) - SecondsOfDay(receipt["timeTaken"]);
    const float t = F(day["lastOrderTime"]);
    EXPECT_NEAR(t, seconds / 250.0f, 0.02f);
    EXPECT_EQ(F(day["fastestOrder"]), t);
    EXPECT_EQ(day["orderTimes"][0], day["lastOrderTime"]);
    float expected = F(atWindow["satisfaction"]) - TimePart(t);
    if (atWindow["registerState"] == 1)
        expected -= 0.002f;  // a car waiting at the speaker
    EXPECT_FLOAT_EQ(F(served["satisfaction"]), expected);
    EXPECT_EQ(F(served["total"]["funds"]), 0.0f);  // the money reaches the funds at closing

    // The window is closed again: no bag holds a receipt.
    ASSERT_FALSE(FindSprite(run.lines[3], 32).is_null());
}

TEST(DayOrder, HoldBackspaceDeleteAndEndAtTheRegister)
{
    const std::string held = HoldUntil(StartNewGame(), "SHIFT", [](const json& s) { return s["registerState"] == 2; });
    ASSERT_FALSE(held.empty());
    ReplayRun run = RunReplay(held +
                              "dump\nframes 100\ndump\n"               // 0, 1: on hold
                              "press ENTER\npress M\npress F\npress K\n"
                              "dump\ndraws\n"                         // 2, 3: three lines
                              "press BACKSPACE\ndump\n"               // 4
                              "press DELETE\ndump\n"                  // 5
                              "press H\ndump\n"                       // 6: a new receipt
                              "press END\ndump\ndraws\n"              // 7, 8
                              "press BACKSPACE\npress DELETE\ndump\n"  // 9: no open order
    );
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ASSERT_EQ(run.lines.size(), 10u);
    const json* s = run.lines.data();

    EXPECT_TRUE(s[0]["day"]["customerPutOnHold"]);
    EXPECT_EQ(s[0]["carsInLine"], 0);
    EXPECT_NEAR(F(s[0]["satisfaction"]) - F(s[1]["satisfaction"]), 0.1f, 1e-4f);  // 0.001 a frame
    EXPECT_EQ(s[1]["registerState"], 2);

    EXPECT_EQ(s[2]["registerState"], 0);
    EXPECT_EQ(s[2]["carsInLine"], 1);
    EXPECT_EQ(s[2]["currentReceipt"], 0);
    const json& receipt = s[2]["slots"][0]["receipt"];
    EXPECT_EQ(receipt["lines"].size(), 3u);
    EXPECT_FLOAT_EQ(F(receipt["total"]), 5.20f);
    EXPECT_EQ(s[2]["kitchen"].size(), 3u);
    const json& draws = s[3];
    EXPECT_EQ(FindText(draws, "Megaburger")["y"], 235);
    EXPECT_EQ(FindText(draws, "Fries")["y"], 220);
    EXPECT_EQ(FindText(draws, "Coke")["y"], 205);
    EXPECT_EQ(FindText(draws, "$ 5.20")["x"], 132);
    EXPECT_FALSE(FindSprite(draws, 19).is_null());  // the register in use

    EXPECT_EQ(s[4]["slots"][0]["receipt"]["lines"].size(), 2u);
    EXPECT_FLOAT_EQ(F(s[4]["slots"][0]["receipt"]["total"]), 4.00f);
    EXPECT_EQ(s[4]["kitchen"].size(), 3u);  // the job stays in the kitchen

    EXPECT_TRUE(s[5]["slots"][0]["free"]);
    EXPECT_TRUE(s[5]["currentReceipt"].is_null());
    EXPECT_TRUE(s[5]["orderOpen"]);
    EXPECT_EQ(s[5]["kitchen"].size(), 3u);

    EXPECT_EQ(s[6]["slots"][0]["receipt"]["orderNumber"], 1);
    EXPECT_EQ(s[6]["slots"][0]["receipt"]["lines"][0]["name"], "Hamburger");

    EXPECT_FALSE(s[7]["orderOpen"]);
    EXPECT_FALSE(s[7]["orderPrompt"]);
    EXPECT_TRUE(s[7]["currentReceipt"].is_null());
    // Stamped before the clock's step of the press's first frame: two steps ago.
    const float sinceEnd = SecondsOfDay(s[7]["clock"]) - SecondsOfDay(s[7]["slots"][0]["receipt"]["timeTaken"]);
    EXPECT_GT(sinceEnd, 0.0f);
    EXPECT_LE(sinceEnd, 2 * 2.775f + 0.001f);
    EXPECT_FALSE(FindSprite(s[8], 18).is_null());  // idle again
    EXPECT_TRUE(FindText(s[8], "Hamburger").is_null());

    EXPECT_EQ(s[9]["slots"][0]["receipt"], s[7]["slots"][0]["receipt"]);
    EXPECT_EQ(s[9]["kitchen"].size(), 4u);
}
