// Cars at the speaker: the arrival factor and rule, the drain while a car
// waits, the random orders and what the headset lets through.
#include "rules/arrival.h"
#include "screens/in_game_views.h"
#include "support/day_state.h"

#include <algorithm>
#include <set>
#include <string>

namespace {

class Arrival : public FreshGame {
protected:
    // The generator state from which the next rnd(n) + 1 is `wanted`.
    static uint32_t StateBeforeDraw(int n, int wanted)
    {
        rngState = 1;
        for (;;) {
            const uint32_t before = rngState;
            if (rnd(n) + 1 == wanted)
                return before;
        }
    }
};

}  // namespace

TEST_F(Arrival, FactorGrowsWithSatisfactionAndDayAndIsAtLeastOne)
{
    EXPECT_EQ(arrivalFactor(100.0f, 1), 1.0f);  // 0.77
    EXPECT_FLOAT_EQ(arrivalFactor(100.0f, 10), 100.0f / 13.0f);
    EXPECT_EQ(arrivalFactor(-20.0f, 5), 1.0f);
    EXPECT_EQ(arrivalFactor(100.0f, 0), 1.0f);  // no real day, no division trouble
}

TEST_F(Arrival, ACarComesOnlyWhenTheDrawIsWithinTheFactorAndTheLineIsOpen)
{
    day.stats.dayNumber = 10;  // 7.69 x 1.2 = 9.23: draws 1..9 bring a car
    float satisfaction = 100.0f;
    auto tryArrival = [&](int draw, int carsInLine) {
        rngState = StateBeforeDraw(1500, draw);
        RegisterState registerState = RegisterState::Empty;
        speakerStep(registerState, satisfaction, carsInLine);
        return static_cast<int>(registerState);
    };
    EXPECT_EQ(tryArrival(9, 0), 1);
    EXPECT_EQ(tryArrival(10, 0), 0);
    EXPECT_EQ(tryArrival(1, 5), 0);  // five cars in line
    day.framesSinceOrder = 399;
    EXPECT_EQ(tryArrival(1, 0), 0);
    day.framesSinceOrder = 400;
    day.gameClock.hours = 10.0f;
    day.gameClock.am = false;
    EXPECT_EQ(tryArrival(1, 0), 0);  // closed at 10 pm, yet the draw is made
    const uint32_t afterDraw = rngState;
    rngState = StateBeforeDraw(1500, 1);
    randomOutput();
    EXPECT_EQ(afterDraw, rngState);
    day.gameClock.am = true;
    EXPECT_EQ(tryArrival(1, 0), 1);  // 10 am
}

TEST_F(Arrival, AWaitingCarDrainsSatisfactionDownToZeroWithoutADraw)
{
    float satisfaction = 1.0f;
    RegisterState registerState = RegisterState::CarWaiting;
    speakerStep(registerState, satisfaction, 0);
    EXPECT_EQ(satisfaction, 1.0f - 0.002f);
    registerState = RegisterState::OnHold;
    speakerStep(registerState, satisfaction, 0);
    EXPECT_EQ(satisfaction, 1.0f - 0.002f - 0.001f);
    satisfaction = -5.0f;  // after a wrong hand-out
    speakerStep(registerState, satisfaction, 0);
    EXPECT_EQ(satisfaction, 0.0f);
    EXPECT_EQ(rngState, 1u);
}

TEST_F(Arrival, GarblingKeepsTheLengthAndDrawsOncePerCharacter)
{
    EXPECT_EQ(garbleText(100.0f, "Cheese Sticks"), "Cheese Sticks");
    EXPECT_EQ(garbleText(83.34f, "Megaburger"), "Megaburger");  // 100.008 reaches every draw
    EXPECT_EQ(garbleText(0.0f, "Coke"), "    ");
    EXPECT_EQ(garbleText(50.0f, ""), "");
    EXPECT_EQ(garbleText(50.0f, nullptr), "");

    rngState = 1;
    garbleText(10.0f, "Onion Rings");
    const uint32_t after = rngState;
    rngState = 1;
    for (int i = 0; i < 11; ++i)
        randomOutput();
    EXPECT_EQ(after, rngState);

    const std::string many(20000, 'x');
    const std::string heard = garbleText(50.0f, many.c_str());
    const double kept = static_cast<double>(std::count(heard.begin(), heard.end(), 'x')) / many.size();
    EXPECT_NEAR(kept, 0.60, 0.02);
}

TEST_F(Arrival, OrdersFollowTheDaysMenuAndSize)
{
    std::set<std::string> dayOneItems;
    int biggest = 0;
    for (int i = 0; i < 400; ++i) {
        takeOrder(100.0f);
        const Customer& c = day.customerQueue.back();
        ASSERT_GE(c.count, 1);
        biggest = std::max(biggest, c.count);
        for (int j = 0; j < c.count; ++j)
            dayOneItems.insert(c.order[j].name);
        if (i > 0) {
            ASSERT_NE(c.picture, day.customerQueue[i - 1].picture);
        }
        ASSERT_EQ(c.number, i);
    }
    EXPECT_EQ(biggest, 3);
    EXPECT_EQ(dayOneItems, (std::set<std::string>{"Megaburger", "Cheeseburger", "Hamburger", "Pepsi",
                                                  "Coke", "Orange Soda", "Grape Soda", "Cheese Sticks",
                                                  "Fries"}));
    EXPECT_EQ(day.orderCounter, 400);
    EXPECT_EQ(day.stats.customers, 400);

    day.stats.dayNumber = 9;
    std::set<std::string> dayNineItems;
    int tens = 0;
    for (int i = 0; i < 1100; ++i) {
        takeOrder(100.0f);
        const Customer& c = day.customerQueue.back();
        ASSERT_LE(c.count, 10);
        tens += c.count == 10;
        for (int j = 0; j < c.count; ++j)
            dayNineItems.insert(c.order[j].name);
    }
    EXPECT_EQ(dayNineItems.size(), 15u);
    EXPECT_NEAR(tens, 200, 50);  // 2 in 11
}

TEST_F(Arrival, TheSpokenOrderShowsForSixHundredFramesOfTheViews)
{
    drawLog.enabled = true;
    takeOrder(100.0f);
    day.framesSinceOrder = 0;
    countSpokenOrderFrame(day);
    EXPECT_TRUE(drawLog.records.empty());
    DrawSpokenOrder(day);
    countSpokenOrderFrame(day);
    ASSERT_EQ(drawLog.records.size(), static_cast<size_t>(day.customerQueue.back().count));
    EXPECT_EQ(drawLog.records[0].x, 350);
    EXPECT_EQ(drawLog.records[0].y, 420);
    EXPECT_EQ(day.framesSinceOrder, 2);
    day.framesSinceOrder = 600;
    drawLog.records.clear();
    DrawSpokenOrder(day);
    countSpokenOrderFrame(day);
    EXPECT_TRUE(drawLog.records.empty());
    EXPECT_EQ(day.framesSinceOrder, 600);
}
