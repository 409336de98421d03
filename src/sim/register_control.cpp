// Order taking at the register: answering, holding, closing, deleting and
// correcting an order, and the item keys.
#include "sim/register_control.h"

#include "model/catalogue.h"
#include "model/game_state.h"
#include "sim/arrival.h"
#include "sim/key_press.h"
#include "stats/stats.h"

namespace {

constexpr int kEnter = 13;
constexpr int kShift = 16;
constexpr int kEnd = 35;
constexpr int kDelete = 46;
constexpr int kBackspace = 8;

}  // namespace

void RegisterControl(const bool* keys, int& registerState, float headsetBattery, int& carsInLine)
{
    GameState& g = game;
    const bool carAtSpeaker = registerState == 1 || registerState == 2;
    if (KeyPressedOnceWhen(keys, kEnter, Latch::Enter, carAtSpeaker)) {
        g.currentReceipt = nullptr;  // an earlier receipt stays in its slot
        g.orderPrompt = true;
        g.orderOpen = true;
        takeOrder(headsetBattery);
        g.framesSinceOrder = 0;
        registerState = 0;
        carsInLine += 1;
    }

    if (KeyPressedOnceWhen(keys, kShift, Latch::RegisterShift, registerState == 1)) {
        registerState = 2;
        dayStats.customerPutOnHold = true;
    }

    if (KeyPressedOnce(keys, kEnd, Latch::RegisterEnd)) {
        g.orderOpen = false;
        if (g.currentReceipt != nullptr)
            g.currentReceipt->timeTaken = g.gameClock;
        g.orderPrompt = false;
        g.currentReceipt = nullptr;
    }

    const bool receiptOpen = g.orderOpen && g.currentReceipt != nullptr;
    if (KeyPressedOnceWhen(keys, kDelete, Latch::RegisterDelete, receiptOpen)) {
        deleteReceipt(g.currentReceipt);
        g.currentReceipt = nullptr;  // the order stays open: the next item starts a new receipt
    }

    const bool lineToRemove = g.orderOpen && g.currentReceipt != nullptr && g.currentReceipt->count >= 1;
    if (KeyPressedOnceWhen(keys, kBackspace, Latch::RegisterBackspace, lineToRemove))
        removeLastLine(*g.currentReceipt);
}

void RegisterKeys(const bool* keys)
{
    for (const MenuItemSpec& item : kMenu) {
        if (dayStats.dayNumber < item.firstDay)
            continue;  // not on sale yet: the key is not even looked at
        if (KeyPressedOnce(keys, item.registerKey, Latch::FirstItemKey << (item.number - 1)))
            keyItem(item.number);
    }
}

void keyItem(int itemNumber)
{
    if (game.kitchenQueueCount >= kKitchenQueueCapacity)
        return;
    queueCookJob(itemNumber);
    if (game.orderOpen)
        addToReceipt(makeOrderItem(itemNumber));
}
