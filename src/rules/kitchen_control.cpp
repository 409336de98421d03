// The kitchen: the cooking of the queue and the keys of the bag view (select,
// pick up, bag the finished front job).
#include "rules/kitchen_control.h"

#include "model/game_state.h"
#include "model/key_codes.h"
#include "model/random.h"
#include "model/sound_events.h"
#include "rules/key_press.h"
#include "model/stats.h"

namespace {

constexpr int kWarningFrames = 100;
constexpr int kColourFrames = 10;
// 1, keypad 1, 2, keypad 2, 3, keypad 3: the bag each selects is index / 2.
constexpr int kBagKeys[6] = {'1', Key::Keypad0 + 1, '2', Key::Keypad0 + 2, '3', Key::Keypad0 + 3};

bool finished(const CookJob& job)
{
    return job.progress >= 100.0f;
}

void wasteItem(int itemNumber)
{
    day.stats.itemsWasted += 1;
    recordItemWasted(itemNumber);
}

int selectedBag()
{
    for (int b = 0; b < kBagCount; ++b)
        if (day.bags[b].selected)
            return b;
    return -1;
}

// Space on the finished front job: into the selected bag's receipt, or wasted.
void bagFrontJob()
{
    const CookJob& job = day.kitchenQueue[0];
    const int b = selectedBag();
    if (b < 0) {
        wasteItem(job.item);
    } else if (day.bags[b].receipt) {
        if (!bagItemOnReceipt(*day.bags[b].receipt, job.name.c_str())) {
            wasteItem(job.item);
            QueueSound(SoundEvent::ItemNotOnReceipt);
        } else {
            QueueSound(bagComplete(b) ? SoundEvent::BagReady : SoundEvent::ItemBagged);
        }
    }
    // A selected bag without a receipt: thrown away, not counted.
    popCookJob();
}

}  // namespace

namespace {

// Returns whether the slot's warning box shows this frame (decided before its timer moves).
bool displayTimers(CookJob& job)
{
    if (!job.active)
        return false;
    const bool warningShown = job.warning && job.warningTimer < kWarningFrames;
    if (warningShown) {
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
    return warningShown;
}

void cookingStep(int slot)
{
    CookJob& job = day.kitchenQueue[slot];
    if (!job.active)
        return;
    if (job.progress < 100.0f) {
        // Only the front-most unfinished job cooks: the one before it must be done,
        // as it stands after its own step this frame.
        if (slot == 0 || (day.kitchenQueue[slot - 1].active && finished(day.kitchenQueue[slot - 1]))) {
            job.progress += job.rate;
            if (finished(job))
                QueueSound(SoundEvent::ItemCooked);
        }
    } else {
        job.progress = 100.0f;
    }
}

}  // namespace

StripWarnings CookingDisplayTimers()
{
    StripWarnings warnings{};
    for (int i = 0; i < kStripSlots; ++i)
        warnings[i] = displayTimers(day.kitchenQueue[i]);
    return warnings;
}

void CookingSteps()
{
    for (int i = 0; i < kStripSlots; ++i)
        cookingStep(i);
}

void KitchenControl(const bool* keys)
{
    DayState& g = day;
    for (int k = 0; k < 6; ++k) {
        if (!KeyPressedOnce(keys, kBagKeys[k], Latch::FirstBagKey << k))
            continue;
        for (int b = 0; b < kBagCount; ++b)
            g.bags[b].selected = b == k / 2;
        QueueSound(SoundEvent::BagPicked);
    }

    if (KeyPressedOnce(keys, Key::Enter, Latch::Enter)) {
        for (Bag& bag : g.bags)
            bag.pickedUp = false;
        for (int b = 0; b < kBagCount; ++b) {
            if (g.bags[b].selected && bagComplete(b)) {
                g.bags[b].pickedUp = true;
                QueueSound(SoundEvent::BagToWindow);
                day.inGameView = InGameView::Window;  // straight to the window, no slide
                break;
            }
        }
    }

    const bool frontActive = g.kitchenQueueCount > 0 && g.kitchenQueue[0].active;
    if (keys[Key::Space] && frontActive && !finished(g.kitchenQueue[0])) {
        // A premature Space: the warning shows for as long as it is held; the press is kept.
        if (!g.kitchenQueue[0].warning || g.kitchenQueue[0].warningTimer >= kWarningFrames)
            QueueSound(SoundEvent::ItemNotReady);  // once as the red box comes up
        g.kitchenQueue[0].warning = true;
        g.kitchenQueue[0].warningTimer = 0;
    }
    const bool frontFinished = frontActive && finished(g.kitchenQueue[0]);
    if (KeyPressedOnceWhen(keys, Key::Space, Latch::KitchenSpace, frontFinished))
        bagFrontJob();
}
