// The stage machine between two days: which key leaves which stage, the
// satisfaction bonus, and each stage's frame in the order the game prescribes.
#include "rules/between_days.h"

#include "model/key_codes.h"
#include "model/key_latches.h"
#include "render/toolkit.h"
#include "rules/day_start.h"
#include "rules/saved_game.h"

#include <limits>

namespace {
constexpr int kSavingAnimationFrames = 150;
constexpr int kDotCycle = 30;
}  // namespace

float ComputeSatisfactionBonus(float& customerSatisfaction)
{
    const DayStats& today = day.stats;
    int points = 0;
    switch (today.itemsWasted) {
    case 0: points += 20; break;
    case 1: points += 15; break;
    case 2: points += 10; break;
    case 3: points += 5; break;
    default: break;
    }
    if (today.customers > 25)
        points += 10;
    else if (today.customers > 20)
        points += 8;
    else if (today.customers > 15)
        points += 5;
    else if (today.customers > 10)
        points += 2;
    // Not-a-number averages (a day without orders) fail every comparison.
    if (today.averageAccuracy > 95.0f)
        points += 30;
    else if (today.averageAccuracy > 90.0f)
        points += 24;
    else if (today.averageAccuracy > 85.0f)
        points += 18;
    else if (today.averageAccuracy > 80.0f)
        points += 12;
    else if (today.averageAccuracy > 75.0f)
        points += 6;
    if (today.averageSpeed < 24.0f)
        points += 40;
    else if (today.averageSpeed < 29.0f)
        points += 30;
    else if (today.averageSpeed < 38.0f)
        points += 20;
    else if (today.averageSpeed < 50.0f)
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
    case BetweenDaysStage::DayOver:
        if (KeyPressedOnce(keys, Key::Enter, Latch::Enter)) {
            game.satisfactionBonus = ComputeSatisfactionBonus(game.customerSatisfaction);
            game.betweenDaysStage = BetweenDaysStage::Report;
        }
        break;
    case BetweenDaysStage::Shop:
        ShopKeys(keys);
        break;
    case BetweenDaysStage::Saving:
        if (KeyPressedOnce(keys, Key::Enter, Latch::Enter))
            game.betweenDaysStage = BetweenDaysStage::Shop;
        break;
    case BetweenDaysStage::Bulletin:
        if (KeyPressedOnce(keys, Key::Enter, Latch::Enter))
            PrepareNextDay();
        break;
    default:  // the report handles its own keys after it is drawn
        break;
    }
}

void UpdateSavingScreen(bool restart)
{
    if (restart) {
        game.savingDotTimer = 0;
        game.savingFrames = 0;
    }
    if (game.savingFrames < kSavingAnimationFrames) {
        game.savingDotTimer += 1;
        if (game.savingDotTimer >= kDotCycle)
            game.savingDotTimer = 0;  // a frame without dots
    }
    if (game.savingFrames < std::numeric_limits<int>::max())
        game.savingFrames += 1;
}

void RunBetweenDays(const bool* keys)
{
    BetweenDaysControl(keys);
    switch (game.betweenDaysStage) {
    case BetweenDaysStage::DayOver: DrawDayOver(); break;
    case BetweenDaysStage::Report: ReportStep(keys, DrawEndOfDayReport(program, game, day.stats)); break;
    case BetweenDaysStage::Shop: DrawUpgradesShop(game); break;
    case BetweenDaysStage::Saving:
        UpdateSavingScreen(game.saveRequested);
        DrawSavingScreen(game);
        if (game.saveRequested)
            game.saveFailed = !SaveGame(game.headsetBattery, game.customerSatisfaction);
        game.saveRequested = false;
        break;
    case BetweenDaysStage::Bulletin: DrawBulletin(day.stats); break;
    }
}
