// The kitchen queue: cook jobs appended at the back and removed from the front.
#include "model/game_state.h"

#include "model/random.h"

void queueCookJob(int itemNumber)
{
    const MenuItemSpec* entry = MenuItemOf(itemNumber);
    if (entry == nullptr || day.kitchenQueueCount < 0 ||
        day.kitchenQueueCount >= kKitchenQueueCapacity)
        return;
    CookJob& job = day.kitchenQueue[day.kitchenQueueCount];
    job.rate = game.cookRateTable[itemNumber - 1];
    job.item = itemNumber;
    job.name = entry->name;
    job.active = true;
    job.warning = false;
    job.progress = 0.0f;
    job.colourTimer = 0;
    job.red = static_cast<float>(rnd(254) + 1) / 255.0f;
    job.green = static_cast<float>(rnd(254) + 1) / 255.0f;
    job.blue = static_cast<float>(rnd(254) + 1) / 255.0f;
    day.kitchenQueueCount += 1;
}

void popCookJob()
{
    int count = day.kitchenQueueCount;
    if (count <= 0)
        return;
    if (count > kKitchenQueueCapacity)
        count = kKitchenQueueCapacity;
    for (int i = 0; i + 1 < count; ++i)
        day.kitchenQueue[i] = day.kitchenQueue[i + 1];
    CookJob& freed = day.kitchenQueue[count - 1];
    freed.active = false;
    freed.rate = 0.0f;
    freed.name.clear();
    day.kitchenQueueCount = count - 1;
}
