// A bag keyed for a car already served (its order handed out while still being
// keyed, then more items keyed): Enter at the window throws it away, so the bag
// is free again and the day can still end.
#include "support/day_scripts.h"

#include <gtest/gtest.h>

using nlohmann::json;

namespace {

float F(const json& v) { return v.get<float>(); }

// A Coke cooks in under 600 frames; a view slides in 72; picking up a bag goes
// to the window, and the register is right of it.
const std::string kCook = "frames 600\n";
const std::string kToWindowWithBag1 = "press RIGHT\nframes 72\npress 1\npress SPACE\npress ENTER\nframes 72\n";
const std::string kBackToRegister = "press RIGHT\nframes 72\n";

// Enter held in the register view until the next car is answered; looking only
// every 100 frames keeps the run short (a held Enter answers once).
std::string AnswerNextCarCoarsely(const std::string& script, int answered)
{
    return HoldUntil(script, "ENTER", [answered](const json& s) { return s["orderCounter"] > answered; },
                     12000, 100);
}

// From the register view: the next car answered, a Coke keyed and handed out
// before End, then one more Coke keyed and closed, cooked, bagged and carried
// to the window. Empty when no car came.
std::string ServedCarsBagAtTheWindow(const std::string& script, int car)
{
    const std::string answered = AnswerNextCarCoarsely(script, car - 1);
    if (answered.empty())
        return "";
    return answered + "press K\n" + kCook + kToWindowWithBag1 + "press ENTER\n" + kBackToRegister +
           "press K\npress END\n" + kCook + kToWindowWithBag1;
}

}  // namespace

TEST(DayServedBag, ThreeBagsOfServedCarsAreThrownAwayAndTheDayStillCloses)
{
    std::string script = StartNewGame();
    for (int car = 1; car <= 3; ++car) {
        SCOPED_TRACE("car " + std::to_string(car));
        script = ServedCarsBagAtTheWindow(script, car);
        ASSERT_FALSE(script.empty());
        const ReplayRun run = RunReplay(script + "dump\ndraws\npress ENTER\ndump\n");
        ASSERT_EQ(run.exitCode, 0) << run.err;
        ASSERT_EQ(run.lines.size(), 3u);
        const json& before = run.lines[0];
        const json& after = run.lines[2];
        ASSERT_EQ(before["inGameView"], 2);
        ASSERT_TRUE(before["slots"][0]["pickedUp"]);
        EXPECT_EQ(before["slots"][0]["receipt"]["orderNumber"], car);
        EXPECT_EQ(before["customersServed"], car);
        EXPECT_TRUE(before["bagForServedCar"]);
        EXPECT_FALSE(FindText(run.lines[1], "<enter> discards it").is_null());
        EXPECT_TRUE(FindText(run.lines[1], "<enter> to hand out").is_null());

        // Thrown away: the bag is free, and nothing else moved.
        EXPECT_TRUE(after["slots"][0]["free"]);
        EXPECT_FALSE(after["slots"][0]["pickedUp"]);
        EXPECT_FALSE(after["bagForServedCar"]);
        EXPECT_TRUE(after["currentReceipt"].is_null());
        for (const char* key : {"customersServed", "carsInLine", "framesSinceWrongBag"})
            EXPECT_EQ(after[key], before[key]) << key;
        for (const char* key : {"ordersServed", "orderIndex", "revenue", "itemsWasted", "drinksSold"})
            EXPECT_EQ(after["day"][key], before["day"][key]) << key;
        EXPECT_EQ(after["day"]["ordersServed"], car);
        // Only the speaker's drain, if a car waits there.
        EXPECT_NEAR(F(after["satisfaction"]), F(before["satisfaction"]), 0.0041f);
        script += "press ENTER\n" + kBackToRegister;
    }

    // A fourth car gets bag 1 and is served; at 10 pm the empty line closes the day.
    script = AnswerNextCarCoarsely(script, 3);
    ASSERT_FALSE(script.empty());
    script += "press K\npress END\n" + kCook + kToWindowWithBag1 + "press ENTER\ndump\n" + kBackToRegister;
    const ReplayRun day = RunReplay(script + "frames 24000\ndump\n");
    ASSERT_EQ(day.exitCode, 0) << day.err;
    ASSERT_EQ(day.lines.size(), 2u);
    EXPECT_EQ(day.lines[0]["customersServed"], 4);
    EXPECT_EQ(day.lines[0]["carsInLine"], 0);
    const json& closed = day.lines[1];
    EXPECT_TRUE(closed["dayOver"]);
    EXPECT_FALSE(closed["clock"]["am"]);
    EXPECT_EQ(closed["day"]["ordersServed"], 4);
    EXPECT_FLOAT_EQ(F(closed["day"]["revenue"]), 4.8f);
}
