// The game model and statistics in the replay tool's state object, at program start.
#include "support/replay.h"

#include <gtest/gtest.h>

using nlohmann::json;

TEST(ModelDump, StartsWithTheGamesInitialValues)
{
    ReplayRun run = RunReplay("dump\n");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ASSERT_EQ(run.lines.size(), 1u);
    const json& s = run.lines[0];
    EXPECT_EQ(s["screen"], "title");

    EXPECT_EQ(s["dayNumber"], 1);
    EXPECT_EQ(s["clock"], json({{"hours", 6}, {"minutes", 0}, {"seconds", 0}, {"am", true}}));
    EXPECT_EQ(s["battery"], 100);
    EXPECT_EQ(s["satisfaction"], 0);
    EXPECT_EQ(s["gameOptions"], 8);
    for (const char* zero : {"registerState", "carsInLine", "customersServed", "orderCounter",
                             "inGameView", "slideOffset", "betweenDaysStage"})
        EXPECT_EQ(s[zero], 0) << zero;
    EXPECT_EQ(s["framesSinceOrder"], 601);
    EXPECT_EQ(s["framesSinceWrongBag"], 200);
    for (const char* off : {"slideReverse", "dayOver", "orderOpen", "orderPrompt"})
        EXPECT_EQ(s[off], false) << off;
    EXPECT_EQ(s["dayStartPending"], true);
    EXPECT_EQ(s["applySatisfactionHandicap"], true);
    EXPECT_EQ(s["currentReceipt"], nullptr);

    EXPECT_EQ(s["upgrades"], json({{"drinks", 0}, {"burgers", 0}, {"sides", 0},
                                   {"advertisement", 0}, {"shopCursor", 1}}));
    ASSERT_EQ(s["cookRates"].size(), 15u);
    EXPECT_EQ(s["cookRates"][0], 0.0235);
    EXPECT_EQ(s["cookRates"][14], 0.061);
    EXPECT_EQ(s["kitchen"], json::array());
    EXPECT_EQ(s["customers"], json::array());

    ASSERT_EQ(s["slots"].size(), 5u);
    for (const json& slot : s["slots"]) {
        EXPECT_EQ(slot["free"], true);
        EXPECT_EQ(slot["selected"], false);
        EXPECT_EQ(slot["pickedUp"], false);
        EXPECT_EQ(slot["accuracy"], 0);
        EXPECT_EQ(slot["order"], json::array());
        EXPECT_EQ(slot["receipt"], nullptr);
    }

    const json& day = s["day"];
    for (const char* zero : {"revenue", "fastestOrder", "customers", "ordersServed", "averageSpeed",
                             "averageAccuracy", "biggestOrderItems", "itemsWasted",
                             "lastOrderTime", "orderIndex"})
        EXPECT_EQ(day[zero], 0) << zero;
    EXPECT_EQ(day["customerPutOnHold"], false);
    EXPECT_EQ(day["orderTimes"], json::array());
    EXPECT_EQ(day["orderAccuracies"], json::array());
    EXPECT_EQ(day["biggestOrder"], json::array());
    EXPECT_EQ(day["drinksSold"], json({0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(day["burgersWasted"], json({0, 0, 0, 0, 0}));
    EXPECT_EQ(day["sidesSold"], json({0, 0, 0, 0}));

    const json& total = s["total"];
    for (const char* zero : {"funds", "bestDayRevenue", "fastestOrder", "bestDayNumber",
                             "customers", "ordersServed", "biggestOrderItems", "itemsWasted"})
        EXPECT_EQ(total[zero], 0) << zero;
    EXPECT_EQ(total["biggestOrder"], json::array());
    EXPECT_EQ(total["drinksWasted"], json({0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(total["burgersSold"], json({0, 0, 0, 0, 0}));
    EXPECT_EQ(total["sidesWasted"], json({0, 0, 0, 0}));
}
