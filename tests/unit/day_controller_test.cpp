// The in-game controller frame by frame: the start of a day, and which press
// each key uses up.
#include "model/screen.h"
#include "rules/in_game_controller.h"
#include "model/key_codes.h"
#include "support/day_state.h"

namespace {


class Controller : public FreshGame {
protected:
    void SetUp() override
    {
        FreshGame::SetUp();
        screenState.lower(Screen::Title);
    }
    bool keys[256] = {};
    void Frame(int n = 1)
    {
        for (int i = 0; i < n; ++i)
            InGameController(keys);
    }
};

}  // namespace

TEST_F(Controller, TheFirstFrameStartsTheDayWithFullSatisfactionOrHalf)
{
    game.upgradeLevels = UpgradeLevels{1, 2, 0, 3, 4};
    day.stats.orderIndex = 7;
    Frame();
    EXPECT_FALSE(game.dayStartPending);
    EXPECT_EQ(game.upgradeLevels.drinks, 5);
    EXPECT_EQ(game.upgradeLevels.burgers, 5);
    EXPECT_EQ(game.upgradeLevels.sides, 5);
    EXPECT_EQ(game.upgradeLevels.advertisement, 3);
    EXPECT_EQ(game.upgradeLevels.shopCursor, 1);
    EXPECT_FLOAT_EQ(game.cookRateTable[0], 0.0835f);
    EXPECT_EQ(day.stats.orderIndex, 0);
    EXPECT_EQ(game.customerSatisfaction, 100.0f);

    Reset();
    program.gameOptions |= Option::HalfSatisfaction;
    Frame();
    EXPECT_EQ(game.customerSatisfaction, 50.0f);
    EXPECT_FALSE(game.applySatisfactionHandicap);  // only on a new game's first frame
}

TEST_F(Controller, ConditionalRegisterKeysActOnceTheConditionComesTrueWhileHeld)
{
    keys[Key::Enter] = keys[Key::Delete] = true;
    Frame(5);  // nobody at the speaker, no receipt: nothing is used up
    EXPECT_EQ(day.orderCounter, 0);
    day.registerState = RegisterState::CarWaiting;
    Frame();
    EXPECT_EQ(day.orderCounter, 1);
    EXPECT_TRUE(day.orderOpen);
    EXPECT_EQ(day.carsInLine, 1);
    day.registerState = RegisterState::CarWaiting;  // the next car: the held Enter has acted already
    day.framesSinceOrder = 0;
    Frame();
    EXPECT_EQ(day.orderCounter, 1);

    keys['M'] = true;  // keyed after the register's keys: Delete acts on the next frame
    Frame();
    EXPECT_NE(day.currentReceipt, nullptr);
    Frame();
    EXPECT_EQ(day.currentReceipt, nullptr);
    EXPECT_TRUE(day.bags[0].free);
    EXPECT_TRUE(day.orderOpen);
    EXPECT_EQ(day.kitchenQueueCount, 1);

    keys[Key::Shift] = true;  // the held Enter leaves the car waiting: Shift holds it
    Frame();
    EXPECT_EQ(static_cast<int>(day.registerState), 2);
    EXPECT_TRUE(day.stats.customerPutOnHold);
}
