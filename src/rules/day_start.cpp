// Starting a game and a day.
#include "rules/day_start.h"

#include "model/game_state.h"

void StartNewGame(uint8_t gameOptions)
{
    // Every lifetime figure starts again but the all-time biggest order.
    TotalStats fresh;
    fresh.biggestOrderItems = game.totals.biggestOrderItems;
    fresh.biggestOrder = game.totals.biggestOrder;
    fresh.funds = (gameOptions & Option::StartingCash) != 0 ? 1000.0f : 0.0f;
    game.totals = fresh;
}

void PrepareNextDay()
{
    game.betweenDaysStage = BetweenDaysStage::DayOver;
    game.dayStartPending = true;
    game.dayOver = false;
    day.stats.dayNumber += 1;
    day.stats.fastestOrder = 0.0f;
    clearAllSlots();
    day.inGameView = InGameView::Register;
    day.customerQueue.clear();
    day.framesSinceOrder = kNoSpokenOrder;
    day.orderCounter = 0;
    day.orderOpen = false;
    for (CookJob& job : day.kitchenQueue)
        job = CookJob{};
    day.kitchenQueueCount = 0;
}

void StartDay()
{
    UpgradeLevels& levels = game.upgradeLevels;
    levels.burgers = 5;
    levels.drinks = 5;
    levels.sides = 5;
    game.dayStartPending = false;
    day.customersServed = 0;
    day.carsInLine = 0;
    // Every figure of the day starts again; only the day's number carries over.
    const int32_t dayNumber = day.stats.dayNumber;
    day.stats = DayStats{};
    day.stats.dayNumber = dayNumber;
    day.gameClock.am = true;
    day.gameClock.hours = 6.0f;
    recomputeCookRates(levels);
    levels.shopCursor = 1;
}
