// Grading at the window: accuracy against the customer's order, service time,
// the day's records and the satisfaction penalty; a bag without receipt goes back.
#include "rules/hand_out.h"
#include "support/day_state.h"

#include <cstring>

namespace {

class Grading : public FreshGame {
protected:
    // Bag 0 holds a receipt of `keyed` for a customer who wanted `wanted`.
    static float Accuracy(std::initializer_list<int> wanted, std::initializer_list<int> keyed)
    {
        game = GameState{}; day = DayState{};
        AddCustomer(wanted);
        KeyReceipt(keyed);
        return computeAccuracy(0);
    }
    static GameClock At(float hours, float minutes, bool am = true)
    {
        GameClock c;
        c.hours = hours;
        c.minutes = minutes;
        c.am = am;
        return c;
    }
};

}  // namespace

TEST_F(Grading, AccuracyCountsMissingAndExtraLinesAndUnmatchedNames)
{
    EXPECT_EQ(Accuracy({1, 6}, {1, 6, 10}), 90.0f);  // one line too many
    EXPECT_EQ(Accuracy({3, 10}, {3, 13}), 95.0f);     // Pepsi for a Coke
    EXPECT_EQ(Accuracy({3, 10}, {13, 3}), 95.0f);     // the same lines, keyed the other way round
    EXPECT_EQ(Accuracy({3, 13}, {13, 3}), 100.0f);    // the order of lines does not matter
    EXPECT_EQ(Accuracy({6, 6}, {6}), 90.0f);          // the count only
    EXPECT_EQ(Accuracy({6}, {6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6}), 0.0f);  // never below 0
    // Lines beyond the shorter side take no part in the matching.
    EXPECT_EQ(Accuracy({1, 2}, {2, 3, 1}), 85.0f);
    EXPECT_EQ(day.bags[0].accuracy, 85.0f);
}

TEST_F(Grading, AGarbledOrderLineNeverMatches)
{
    AddCustomer({6});
    std::strcpy(day.customerQueue.back().order[0].name, "Fr es");
    KeyReceipt({6});
    EXPECT_EQ(computeAccuracy(0), 95.0f);
}

TEST_F(Grading, ServiceTimeRecordsAndPenalty)
{
    AddCustomer({1, 6});
    Receipt& r = KeyReceipt({1, 6, 10});
    r.timeTaken = At(9, 0);
    day.gameClock = At(9, 20);
    float& satisfaction = game.customerSatisfaction;
    satisfaction = 80.0f;
    GradeOrder(0);
    EXPECT_FLOAT_EQ(day.stats.lastOrderTime, 4.8f);  // 1,200 game seconds / 250
    EXPECT_EQ(day.stats.readOrderTime(0), day.stats.lastOrderTime);
    EXPECT_EQ(day.stats.readOrderAccuracy(0), 90.0f);
    EXPECT_FLOAT_EQ(day.stats.revenue, 5.20f);
    EXPECT_EQ(day.stats.biggestOrderItems, 3);
    EXPECT_EQ(day.stats.burgersSold[Burger::Megaburger], 1);
    EXPECT_EQ(satisfaction, 80.0f - 0.1f);  // quick, but 90 % accurate
    const float first = day.stats.fastestOrder;
    EXPECT_EQ(first, day.stats.lastOrderTime);

    // A receipt never closed with End counts from six; a slower order keeps the record.
    releaseBag(0);
    AddCustomer({6});
    KeyReceipt({6});
    day.gameClock = At(9, 20);
    GradeOrder(0);
    EXPECT_FLOAT_EQ(day.stats.lastOrderTime, 48.0f);
    EXPECT_FLOAT_EQ(satisfaction, 80.0f - 0.1f - 0.4f);
    EXPECT_EQ(day.stats.fastestOrder, first);
    EXPECT_EQ(day.stats.biggestOrderItems, 3);
    EXPECT_EQ(day.stats.orderIndex, 2);

    // Taken before noon, served after one: 70 game minutes.
    releaseBag(0);
    AddCustomer({6});
    KeyReceipt({6}).timeTaken = At(11, 55);
    day.gameClock = At(1, 5, false);
    GradeOrder(0);
    EXPECT_FLOAT_EQ(day.stats.lastOrderTime, 16.8f);
}

TEST_F(Grading, PenaltyTiersAddTheTwoParts)
{
    EXPECT_EQ(SatisfactionPenalty(15.0f, 95.0f), 0.0f);
    EXPECT_EQ(SatisfactionPenalty(15.01f, 94.99f), 0.1f + 0.1f);
    EXPECT_EQ(SatisfactionPenalty(20.0f, 90.0f), 0.1f + 0.1f);
    EXPECT_EQ(SatisfactionPenalty(25.0f, 85.0f), 0.15f + 0.15f);
    EXPECT_EQ(SatisfactionPenalty(30.0f, 80.0f), 0.2f + 0.2f);
    EXPECT_EQ(SatisfactionPenalty(35.0f, 75.0f), 0.3f + 0.3f);
    EXPECT_EQ(SatisfactionPenalty(50.0f, 50.0f), 0.4f + 0.4f);
    EXPECT_EQ(SatisfactionPenalty(50.5f, 49.9f), 0.5f + 0.5f);
}

TEST_F(Grading, APickedUpBagWhoseReceiptIsDeletedGoesBackToTheKitchen)
{
    AddCustomer({10});
    Receipt& receipt = KeyReceipt({10});
    day.bags[0].pickedUp = true;
    HandOutViewStep();
    EXPECT_TRUE(day.bags[0].pickedUp);
    deleteReceipt(&receipt);
    HandOutViewStep();
    EXPECT_FALSE(day.bags[0].pickedUp);
}
