// Orders, receipts, bags and waiting slots.
#pragma once
#include "model/game_clock.h"

#include <memory>

struct DayState;

constexpr int kReceiptLines = 25;
constexpr int kBagCount = 3;
constexpr int kWaitingSlotCount = 2;

struct OrderItem {
    char name[32] = {};  // display name; in a customer's order possibly garbled
    float price = 0.0f;
    bool bagged = false;   // receipt line: its cooked item is in the bag
    bool matched = false;  // bag order line: working flag of the accuracy check
};

struct Receipt {
    OrderItem lines[kReceiptLines];
    GameClock timeTaken;   // when End closed the order; 6:00 am until then
    GameClock timeServed;  // when it was handed out; 6:00 am until then
    float total = 0.0f;
    int count = 0;
    int orderNumber = 0;  // orderCounter when created: its customer's number + 1
    int slot = 0;         // 0-2 a bag, 3-4 waiting slot 0-1
};

struct Bag {
    std::unique_ptr<Receipt> receipt;  // null when free
    OrderItem order[kReceiptLines];    // copy of the customer's order
    int count = 0;
    bool free = true;
    bool selected = false;
    bool pickedUp = false;
    float accuracy = 0.0f;
};

// The bag or waiting slot of a slot number 0-4 (3, 4 are the waiting slots).
Bag& SlotAt(int slot);

// Register side: creates the current receipt on the first item (placing it with
// assignBag); a 26th line is not added.
void addToReceipt(const OrderItem& item);
// Places a receipt in the first free bag, else the first free waiting slot, with
// a copy of the latest customer's order. False (receipt discarded) when all five are taken.
bool assignBag(std::unique_ptr<Receipt> receipt);
// A bag number b is always a bag, 0..kBagCount-1: the callers pass the picked-up,
// the selected or a looped-over bag, never a number from input.
// After a hand-out: frees bag b and moves the waiting receipts up.
void releaseBag(int b);
// Every line of the receipt has its item in the bag.
bool ReceiptComplete(const Receipt& receipt);
bool bagComplete(int b);
// Marks the first unbagged line named `name` (a cooked job's name, never null) as bagged.
bool bagItemOnReceipt(Receipt& receipt, const char* name);
void removeLastLine(Receipt& receipt);
void deleteReceipt(Receipt* receipt);
// A car is at the window whose order no bag or waiting slot holds and which is
// not being keyed: nothing could ever be handed to it.
bool CarAtWindowWithoutReceipt();
// The picked-up bag holds a receipt of a car already served (keyed on after its
// hand-out): no car will ever take it, so Enter at the window throws it away.
bool PickedUpBagForServedCar();
// Start of a day: every slot free; selected and pickedUp stay as they are.
void clearAllSlots();
