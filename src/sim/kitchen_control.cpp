// The kitchen: the cooking of the queue and the keys of the bag view (select,
// pick up, bag the finished front job).
#include "sim/kitchen_control.h"

#include "model/game_state.h"
#include "model/random.h"
#include "sim/key_press.h"
#include "stats/stats.h"

namespace {

constexpr int kCookingSlots = 5;
constexpr int kWarningFrames = 100;
constexpr int kColourFrames = 10;
constexpr int kEnter = 13;
constexpr int kSpace = 32;
// 1, keypad 1, 2, keypad 2, 3, keypad 3: the bag each selects is index / 2.
constexpr int kBagKeys[6] = {'1', 97, '2', 98, '3', 99};

bool finished(const CookJob& job)
{
    return job.progress >= 100.0f;
}

void wasteItem(int itemNumber)
{
    dayStats.itemsWasted += 1;
    recordItemWasted(itemNumber);
}

int selectedBag()
{
    for (int b = 0; b < kBagCount; ++b)
        if (game.bags[b].selected)
            return b;
    return -1;
}

// Space on the finished front job: into the selected bag's receipt, or wasted.
void bagFrontJob()
{
    const CookJob& job = game.kitchenQueue[0];
    const int b = selectedBag();
    if (b < 0) {
        wasteItem(job.item);
    } else if (game.bags[b].receipt) {
        if (!bagItemOnReceipt(*game.bags[b].receipt, job.name.c_str()))
            wasteItem(job.item);
    }
    // A selected bag without a receipt: thrown away, not counted.
    popCookJob();
}

}  // namespace

void cookingDisplayTimers(int slot)
{
    CookJob& job = game.kitchenQueue[slot];
    if (!job.active)
        return;
    if (job.warning && job.warningTimer < kWarningFrames) {
        job.warningTimer += 1;
    } else if (finished(job)) {
        if (job.colourTimer == kColourFrames) {
            job.red = static_cast<float>(rnd(254) + 1) / 255.0f;
            job.green = static_cast<float>(rnd(254) + 1) / 255.0f;
            job.blue = static_cast<float>(rnd(254) + 1) / 255.0f;
            job.colourTimer = 0;
        } else {
            job.colourTimer += 1;
        }
    }
}

void cookingStep(int slot)
{
    CookJob& job = game.kitchenQueue[slot];
    if (!job.active)
        return;
    if (job.progress < 100.0f) {
        // Only the front-most unfinished job cooks: the one before it must be done,
        // as it stands after its own step this frame.
        if (slot == 0 || (game.kitchenQueue[slot - 1].active && finished(game.kitchenQueue[slot - 1])))
            job.progress += job.rate;
    } else {
        job.progress = 100.0f;
    }
}

void advanceCooking()
{
    for (int i = 0; i < kCookingSlots; ++i)
        cookingDisplayTimers(i);
    for (int i = 0; i < kCookingSlots; ++i)
        cookingStep(i);
}

void KitchenControl(const bool* keys)
{
    GameState& g = game;
    for (int k = 0; k < 6; ++k) {
        if (!KeyPressedOnce(keys, kBagKeys[k], Latch::FirstBagKey << k))
            continue;
        for (int b = 0; b < kBagCount; ++b)
            g.bags[b].selected = b == k / 2;
    }

    if (KeyPressedOnce(keys, kEnter, Latch::Enter)) {
        for (Bag& bag : g.bags)
            bag.pickedUp = false;
        for (int b = 0; b < kBagCount; ++b) {
            if (g.bags[b].selected && bagComplete(b)) {
                g.bags[b].pickedUp = true;
                g.inGameView = 2;  // straight to the window, no slide
                break;
            }
        }
    }

    const bool frontActive = g.kitchenQueueCount > 0 && g.kitchenQueue[0].active;
    if (keys[kSpace] && frontActive && !finished(g.kitchenQueue[0])) {
        // A premature Space: the warning shows for as long as it is held; the press is kept.
        g.kitchenQueue[0].warning = true;
        g.kitchenQueue[0].warningTimer = 0;
    }
    const bool frontFinished = frontActive && finished(g.kitchenQueue[0]);
    if (KeyPressedOnceWhen(keys, kSpace, Latch::KitchenSpace, frontFinished))
        bagFrontJob();
}
