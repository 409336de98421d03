// Receipts, bags and waiting slots: placing, filling, bagging and freeing receipts.
#include "model/orders.h"

#include "model/game_state.h"

#include <algorithm>
#include <cstring>

Bag& SlotAt(int slot)
{
    slot = std::clamp(slot, 0, kBagCount + kWaitingSlotCount - 1);
    if (slot < kBagCount)
        return day.bags[slot];
    return day.waitingReceipts[slot - kBagCount];
}

namespace {

// Empties a slot; the register must never go on keying into a receipt that is gone.
void freeSlot(Bag& bag)
{
    if (bag.receipt && day.currentReceipt == bag.receipt.get())
        day.currentReceipt = nullptr;
    bag.receipt.reset();
    bag.free = true;
}

}  // namespace

bool assignBag(std::unique_ptr<Receipt> receipt)
{
    if (!receipt)
        return false;
    for (int slot = 0; slot < kBagCount + kWaitingSlotCount; ++slot) {
        Bag& bag = SlotAt(slot);
        if (!bag.free)
            continue;
        if (day.customerQueue.empty()) {
            bag.count = 0;
        } else {
            const Customer& customer = day.customerQueue.back();
            std::copy(std::begin(customer.order), std::end(customer.order), bag.order);
            bag.count = std::clamp(customer.count, 0, kReceiptLines);
        }
        receipt->slot = slot;
        bag.receipt = std::move(receipt);
        bag.free = false;
        return true;
    }
    return false;
}

void addToReceipt(const OrderItem& item)
{
    if (day.currentReceipt == nullptr) {
        auto receipt = std::make_unique<Receipt>();
        receipt->orderNumber = day.orderCounter;
        Receipt* placed = receipt.get();
        if (!assignBag(std::move(receipt)))
            return;  // all five slots taken: the receipt is discarded, the item with it
        day.currentReceipt = placed;
    }
    Receipt& receipt = *day.currentReceipt;
    if (receipt.count >= kReceiptLines)
        return;
    receipt.lines[receipt.count] = item;
    receipt.lines[receipt.count].name[sizeof item.name - 1] = '\0';
    receipt.count += 1;
    receipt.total += item.price;
}

void releaseBag(int b)
{
    Bag& bag = day.bags[b];
    freeSlot(bag);
    Bag& first = day.waitingReceipts[0];
    Bag& second = day.waitingReceipts[1];
    if (first.receipt) {
        bag.receipt = std::move(first.receipt);
        std::copy(std::begin(first.order), std::end(first.order), bag.order);
        bag.count = first.count;
        bag.free = false;
        bag.receipt->slot = b;
    }
    if (second.receipt) {
        first.receipt = std::move(second.receipt);
        std::copy(std::begin(second.order), std::end(second.order), first.order);
        first.count = second.count;
        first.free = false;
        first.selected = second.selected;
        first.pickedUp = second.pickedUp;
        first.accuracy = second.accuracy;
        first.receipt->slot = kBagCount;
        second.receipt.reset();
        second.free = true;
    } else {
        first.receipt.reset();
        first.free = true;
    }
}

bool ReceiptComplete(const Receipt& receipt)
{
    for (int i = 0; i < receipt.count; ++i)
        if (!receipt.lines[i].bagged)
            return false;
    return true;
}

bool bagComplete(int b)
{
    if (!day.bags[b].receipt)
        return false;
    return ReceiptComplete(*day.bags[b].receipt);
}

bool bagItemOnReceipt(Receipt& receipt, const char* name)
{
    for (int i = 0; i < receipt.count; ++i) {
        OrderItem& line = receipt.lines[i];
        if (!line.bagged && std::strcmp(line.name, name) == 0) {
            line.bagged = true;
            return true;
        }
    }
    return false;
}

void removeLastLine(Receipt& receipt)
{
    if (receipt.count <= 0)
        return;
    receipt.count -= 1;
    receipt.total -= receipt.lines[receipt.count].price;
    // With no line left the sum is exactly nothing; float rounding would otherwise
    // leave a crumb that the register shows as "$ -0.00".
    if (receipt.count == 0)
        receipt.total = 0.0f;
}

void deleteReceipt(Receipt* receipt)
{
    if (receipt == nullptr)
        return;
    // The slot field names the owner; a pointer that no slot holds is left alone.
    for (int slot = 0; slot < kBagCount + kWaitingSlotCount; ++slot) {
        Bag& bag = SlotAt(slot);
        if (bag.receipt.get() == receipt) {
            freeSlot(bag);
            return;
        }
    }
}

void clearAllSlots()
{
    for (int slot = 0; slot < kBagCount + kWaitingSlotCount; ++slot)
        freeSlot(SlotAt(slot));
    day.currentReceipt = nullptr;
}

bool PickedUpBagForServedCar()
{
    for (const Bag& bag : day.bags)
        if (bag.pickedUp)
            return bag.receipt && bag.receipt->orderNumber - 1 < day.customersServed;
    return false;
}

bool CarAtWindowWithoutReceipt()
{
    if (day.customersServed >= day.orderCounter)
        return false;
    if (day.orderOpen && day.customersServed == day.orderCounter - 1)
        return false;  // its order is being keyed right now
    auto holds = [](const Bag& bag) {
        return bag.receipt && bag.receipt->orderNumber - 1 == day.customersServed;
    };
    for (const Bag& bag : day.bags)
        if (holds(bag))
            return false;
    for (const Bag& bag : day.waitingReceipts)
        if (holds(bag))
            return false;
    return true;
}
