// The stage machine between two days: which key leaves which stage, the
// satisfaction bonus, and each stage's frame in the order the game prescribes.
#include "rules/between_days.h"

#include "model/key_codes.h"
#include "model/key_latches.h"
#include "model/sound_events.h"
#include "rules/day_start.h"
#include "rules/saved_game.h"

#include <limits>

namespace {

constexpr int kSavingAnimationFrames = 150;
constexpr int kDotCycle = 30;

// Points of the satisfaction bonus: the first threshold passed, strictly, earns its points.
struct Threshold {
    float bound;
    int points;
};
constexpr Threshold kCustomerPoints[] = {{25.0f, 10}, {20.0f, 8}, {15.0f, 5}, {10.0f, 2}};
constexpr Threshold kAccuracyPoints[] = {{95.0f, 30}, {90.0f, 24}, {85.0f, 18}, {80.0f, 12}, {75.0f, 6}};
constexpr Threshold kSpeedPoints[] = {{24.0f, 40}, {29.0f, 30}, {38.0f, 20}, {50.0f, 10}};

// direction 1: the value must be above the bound; -1: below it.
template <size_t N>
int pointsFor(float value, const Threshold (&thresholds)[N], float direction)
{
    for (const Threshold& t : thresholds)
        if (direction > 0.0f ? value > t.bound : value < t.bound)
            return t.points;
    return 0;
}

// The animation, what it shows, then the save itself when one was asked for.
SavingFrame savingStep()
{
    UpdateSavingScreen(game.saveRequested);
    const SavingFrame frame{game.savingFrames, game.savingDotTimer, game.saveFailed};
    if (game.saveRequested) {
        game.saveFailed = !SaveGame(game.headsetBattery, game.customerSatisfaction);
        QueueSound(game.saveFailed ? SoundEvent::SaveFailed : SoundEvent::GameSaved);
    }
    game.saveRequested = false;
    return frame;
}

}  // namespace

float ComputeSatisfactionBonus()
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
    points += pointsFor(static_cast<float>(today.customers), kCustomerPoints, 1.0f);
    // Not-a-number averages (a day without orders) fail every comparison.
    points += pointsFor(today.averageAccuracy, kAccuracyPoints, 1.0f);
    points += pointsFor(today.averageSpeed, kSpeedPoints, -1.0f);

    const int increase = points / 10;
    float& satisfaction = game.customerSatisfaction;
    satisfaction += static_cast<float>(increase);
    if (satisfaction > 100.0f)
        satisfaction = 100.0f;
    return static_cast<float>(increase);
}

void BetweenDaysControl(const bool* keys)
{
    switch (game.betweenDaysStage) {
    case BetweenDaysStage::DayOver:
        if (KeyPressedOnce(keys, Key::Enter, Latch::Enter)) {
            game.satisfactionBonus = ComputeSatisfactionBonus();
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

BetweenDaysFrame RunBetweenDays(const bool* keys)
{
    BetweenDaysControl(keys);
    switch (game.betweenDaysStage) {
    case BetweenDaysStage::DayOver: return DayOverFrame{};
    case BetweenDaysStage::Report: return ReportStep(keys);
    case BetweenDaysStage::Shop:
        return ShopFrame{game.upgradeLevels, game.headsetBattery, game.totals.funds};
    case BetweenDaysStage::Saving: return savingStep();
    case BetweenDaysStage::Bulletin: break;
    }
    return BulletinFrame{day.stats.dayNumber};
}
