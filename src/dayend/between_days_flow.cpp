// The stage machine between two days: which key leaves which stage, the
// satisfaction bonus, the shop's cursor and purchases, and the next day's reset.
#include "dayend/between_days.h"
#include "model/game_state.h"
#include "model/key_latches.h"
#include "model/orders.h"
#include "shop/upgrades_shop.h"
#include "stats/stats.h"

BetweenDaysState betweenDays;

namespace {

constexpr int kKeyEnter = 13;
constexpr int kKeyLeft = 37, kKeyUp = 38, kKeyRight = 39, kKeyDown = 40;
constexpr int kKeyS = 'S', kKeyX = 'X';
constexpr int kKeypadZero = 96;

namespace Stage {
enum { DayOver = 0, Report = 1, Shop = 2, Saving = 3, Bulletin = 4 };
}

// Digits 1-6 on the main row, then on the keypad. A digit and its keypad twin
// are one key to the latch, so holding both counts as one press.
void shopDigitKeys(const bool* keys, int& cursor)
{
    bool pressed[7] = {};
    for (int d = 1; d <= 6; ++d) {
        const uint64_t bit = Latch::FirstShopDigit << (d - 1);
        const bool down = keys['0' + d] || keys[kKeypadZero + d];
        if (!down) {
            keyLatches &= ~bit;
        } else if (!(keyLatches & bit)) {
            keyLatches |= bit;
            pressed[d] = true;
        }
    }
    for (int d = 1; d <= 6; ++d)
        if (pressed[d] && keys['0' + d])
            cursor = d;
    for (int d = 1; d <= 6; ++d)
        if (pressed[d] && keys[kKeypadZero + d])
            cursor = d;
}

// The grid is 1 2 3 over 4 5 6, without wrapping.
void shopArrowKeys(const bool* keys, int& cursor)
{
    if (KeyPressedOnce(keys, kKeyUp, Latch::Up) && cursor >= 4)
        cursor -= 3;
    if (KeyPressedOnce(keys, kKeyDown, Latch::Down) && cursor <= 3)
        cursor += 3;
    if (KeyPressedOnce(keys, kKeyLeft, Latch::Left) && cursor != 1 && cursor != 4)
        cursor -= 1;
    if (KeyPressedOnce(keys, kKeyRight, Latch::Right) && cursor != 3 && cursor != 6)
        cursor += 1;
}

void buyLevel(int kind, int& level)
{
    const float price = upgradePrice(kind);
    if (level < 5 && price <= totalStats.funds) {
        totalStats.funds = totalStats.funds - price;
        level += 1;
    }
}

void buyHighlightedSlot()
{
    UpgradeLevels& levels = game.upgradeLevels;
    switch (levels.shopCursor) {
    case 1: buyLevel(UpgradeKind::Drinks, levels.drinks); break;
    case 2: buyLevel(UpgradeKind::Burgers, levels.burgers); break;
    case 3: buyLevel(UpgradeKind::Sides, levels.sides); break;
    case 4:
        if (game.headsetBattery < 100.0f && totalStats.funds >= kBatteryPrice) {
            game.headsetBattery = 100.0f;
            totalStats.funds = totalStats.funds - kBatteryPrice;
        }
        break;
    case 5: buyLevel(UpgradeKind::Advertisement, levels.advertisement); break;
    default: break;
    }
}

void shopKeys(const bool* keys)
{
    int& cursor = game.upgradeLevels.shopCursor;
    shopDigitKeys(keys, cursor);
    shopArrowKeys(keys, cursor);
    // Enter uses up its press whether or not it buys.
    if (KeyPressedOnce(keys, kKeyEnter, Latch::Enter))
        buyHighlightedSlot();
    // Only looked at on the Save/Exit slot: a press made elsewhere acts once the
    // cursor arrives there while the key is still held.
    if (cursor == 6) {
        if (KeyPressedOnce(keys, kKeyS, Latch::ShopS)) {
            betweenDays.saveRequested = true;
            game.betweenDaysStage = Stage::Saving;
        }
        if (KeyPressedOnce(keys, kKeyX, Latch::ShopX))
            game.betweenDaysStage = Stage::Bulletin;
    }
}

void startNextDay()
{
    game.betweenDaysStage = Stage::DayOver;
    game.dayStartPending = true;
    game.dayOver = false;
    dayStats.dayNumber += 1;
    dayStats.fastestOrder = 0.0f;
    clearAllSlots();
    game.inGameView = 0;
    game.customerQueue.clear();
    game.framesSinceOrder = 601;
    game.orderCounter = 0;
    game.orderOpen = false;
    for (CookJob& job : game.kitchenQueue)
        job = CookJob{};
    game.kitchenQueueCount = 0;
}

}  // namespace

float ComputeSatisfactionBonus(float& customerSatisfaction)
{
    const DayStats& day = dayStats;
    int points = 0;
    switch (day.itemsWasted) {
    case 0: points += 20; break;
    case 1: points += 15; break;
    case 2: points += 10; break;
    case 3: points += 5; break;
    default: break;
    }
    if (day.customers > 25)
        points += 10;
    else if (day.customers > 20)
        points += 8;
    else if (day.customers > 15)
        points += 5;
    else if (day.customers > 10)
        points += 2;
    // Not-a-number averages (a day without orders) fail every comparison.
    if (day.averageAccuracy > 95.0f)
        points += 30;
    else if (day.averageAccuracy > 90.0f)
        points += 24;
    else if (day.averageAccuracy > 85.0f)
        points += 18;
    else if (day.averageAccuracy > 80.0f)
        points += 12;
    else if (day.averageAccuracy > 75.0f)
        points += 6;
    if (day.averageSpeed < 24.0f)
        points += 40;
    else if (day.averageSpeed < 29.0f)
        points += 30;
    else if (day.averageSpeed < 38.0f)
        points += 20;
    else if (day.averageSpeed < 50.0f)
        points += 10;

    const int increase = points / 10;
    customerSatisfaction += static_cast<float>(increase);
    if (customerSatisfaction > 100.0f)
        customerSatisfaction = 100.0f;
    return static_cast<float>(increase);
}

void BetweenDaysControl(const bool* keys)
{
    switch (game.betweenDaysStage) {
    case Stage::DayOver:
        if (KeyPressedOnce(keys, kKeyEnter, Latch::Enter)) {
            betweenDays.satisfactionBonus = ComputeSatisfactionBonus(game.customerSatisfaction);
            game.betweenDaysStage = Stage::Report;
        }
        break;
    case Stage::Shop:
        shopKeys(keys);
        break;
    case Stage::Saving:
        if (KeyPressedOnce(keys, kKeyEnter, Latch::Enter))
            game.betweenDaysStage = Stage::Shop;
        break;
    case Stage::Bulletin:
        if (KeyPressedOnce(keys, kKeyEnter, Latch::Enter))
            startNextDay();
        break;
    default:  // the report handles its own keys after it is drawn
        break;
    }
}
