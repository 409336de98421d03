// Taking a day's drawing values from its state.
#include "rules/day_frame.h"

#include "model/game_clock.h"

namespace {

RegisterValues registerValues()
{
    RegisterValues values;
    if (day.currentReceipt != nullptr)
        values.receipt = *day.currentReceipt;
    values.closed = DriveThruClosed(day.gameClock);
    values.orderPrompt = day.orderPrompt;
    values.dayNumber = day.stats.dayNumber;
    return values;
}

KitchenValues kitchenValues()
{
    KitchenValues values;
    int selected = -1;
    for (int b = 0; b < kBagCount; ++b) {
        const Bag& bag = day.bags[b];
        values.bags[b] = {bag.free, bag.selected, bag.receipt && ReceiptComplete(*bag.receipt)};
        if (selected < 0 && !bag.free && bag.selected)
            selected = b;
    }
    if (selected >= 0 && day.bags[selected].receipt)
        values.selectedReceipt = *day.bags[selected].receipt;
    for (int w = 0; w < kWaitingSlotCount; ++w)
        values.waitingFree[w] = day.waitingReceipts[w].free;
    return values;
}

HandOutValues handOutValues()
{
    HandOutValues values;
    values.redFlash = day.framesSinceWrongBag < kRedFlashFrames;
    for (const Bag& bag : day.bags) {
        if (bag.pickedUp && !values.bagPickedUp) {
            values.bagPickedUp = true;
            if (bag.receipt)
                values.orderNumber = bag.receipt->orderNumber;
        }
        values.anyReceipt = values.anyReceipt || bag.receipt != nullptr;
    }
    values.bagForServedCar = PickedUpBagForServedCar();
    values.carWithoutReceipt = CarAtWindowWithoutReceipt();
    values.customerQueueEmpty = day.customerQueue.empty();
    const int served = day.customersServed;
    if (served >= 0 && served < static_cast<int>(day.customerQueue.size()))
        values.windowCustomerPicture = day.customerQueue[served].picture;
    return values;
}

}  // namespace

StripValues StripValuesOf(const StripWarnings& warnings)
{
    StripValues values;
    for (int i = 0; i < kStripSlots; ++i) {
        const CookJob& job = day.kitchenQueue[i];
        values.slots[i] = {job.active, warnings[i], job.item, job.progress, job.red, job.green, job.blue};
    }
    values.kitchenQueueCount = day.kitchenQueueCount;
    return values;
}

ViewValues ViewValuesOf(InGameView view, int offset)
{
    switch (view) {
    case InGameView::Kitchen: return {offset, kitchenValues()};
    case InGameView::Window: return {offset, handOutValues()};
    default: return {offset, registerValues()};
    }
}

std::optional<Customer> SpokenOrderOf()
{
    if (day.framesSinceOrder >= kSpokenOrderFrames || day.customerQueue.empty())
        return std::nullopt;
    return day.customerQueue.back();
}

StatusValues StatusValuesOf()
{
    StatusValues values;
    values.clock = day.gameClock;
    values.battery = game.headsetBattery;
    values.satisfaction = game.customerSatisfaction;
    values.customerNumber = day.customerQueue.empty() ? 0 : day.customersServed + 1;
    values.totalCustomers = day.stats.customers;
    values.lastOrderTime = day.stats.lastOrderTime;
    return values;
}
