// Cars at the speaker: the arrival factor and rule, the drain while a car
// waits, the random orders and what the headset lets through.
#include "rules/arrival.h"
#include "screens/in_game_views.h"
#include "support/day_state.h"
#include "model/catalogue.h"

#include <algorithm>
#include <map>
#include <string>
#include <utility>

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
        SpeakerStep(registerState, satisfaction, carsInLine);
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
    RandomOutput();
    EXPECT_EQ(afterDraw, rngState);
    day.gameClock.am = true;
    EXPECT_EQ(tryArrival(1, 0), 1);  // 10 am
}

TEST_F(Arrival, AWaitingCarDrainsSatisfactionDownToZeroWithoutADraw)
{
    float satisfaction = 1.0f;
    RegisterState registerState = RegisterState::CarWaiting;
    SpeakerStep(registerState, satisfaction, 0);
    EXPECT_EQ(satisfaction, 1.0f - 0.002f);
    registerState = RegisterState::OnHold;
    SpeakerStep(registerState, satisfaction, 0);
    EXPECT_EQ(satisfaction, 1.0f - 0.002f - 0.001f);
    satisfaction = -5.0f;  // after a wrong hand-out
    SpeakerStep(registerState, satisfaction, 0);
    EXPECT_EQ(satisfaction, 0.0f);
    EXPECT_EQ(rngState, 1u);
}

TEST_F(Arrival, OrdersGrowWithTheDay)
{
    int biggest[2] = {}, tens = 0;  // on day 1, on day 9
    for (int i = 0; i < 1500; ++i) {
        const int d = i < 400 ? 0 : 1;
        day.stats.dayNumber = d == 0 ? 1 : 9;
        takeOrder(100.0f);
        const Customer& c = day.customerQueue.back();
        ASSERT_GE(c.count, 1);
        ASSERT_EQ(c.number, i);
        if (i > 0) {
            ASSERT_NE(c.picture, day.customerQueue[i - 1].picture);
        }
        biggest[d] = std::max(biggest[d], c.count);
        tens += c.count == 10;
    }
    EXPECT_EQ(biggest[0], 3);
    EXPECT_EQ(biggest[1], 10);
    EXPECT_NEAR(tens, 200, 50);  // 2 in 11
    EXPECT_EQ(day.orderCounter, 1500);
    EXPECT_EQ(day.stats.customers, 1500);
}

TEST_F(Arrival, TheHeadsetKeepsEachLetterByTheBatterysChance)
{
    // Each letter is kept when battery x 1.2 reaches a draw of 1..100, else heard as a blank.
    for (const auto& [battery, kept] : {std::pair{0.0f, 0}, {50.0f, 60}, {83.0f, 99}, {83.34f, 100}}) {
        int heard = 0;
        for (int draw = 1; draw <= 100; ++draw) {
            rngState = StateBeforeDraw(100, draw);
            const std::string word = garbleText(battery, "M");
            ASSERT_EQ(word.size(), 1u);
            heard += word == "M";
            EXPECT_TRUE(word == "M" || word == " ") << word;
        }
        EXPECT_EQ(heard, kept) << battery;
    }
    EXPECT_EQ(garbleText(100.0f, ""), "");
    EXPECT_EQ(garbleText(100.0f, nullptr), "");
}
