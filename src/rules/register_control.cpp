// Order taking at the register: answering, holding, closing, deleting and
// correcting an order, and the item keys.
#include "rules/register_control.h"

#include "model/catalogue.h"
#include "model/game_state.h"
#include "model/key_codes.h"
#include "model/sound_events.h"
#include "rules/arrival.h"
#include "rules/key_press.h"
#include "model/stats.h"

void TurnAwayAfterClosing()
{
    if (DriveThruClosed(day.gameClock))
        day.registerState = RegisterState::Empty;
}

void RegisterControl(const bool* keys)
{
    DayState& g = day;
    RegisterState& registerState = g.registerState;
    const bool carAtSpeaker = registerState != RegisterState::Empty;
    if (KeyPressedOnceWhen(keys, Key::Enter, Latch::Enter, carAtSpeaker)) {
        g.currentReceipt = nullptr;  // an earlier receipt stays in its slot
        g.orderPrompt = true;
        g.orderOpen = true;
        takeOrder(game.headsetBattery);
        g.framesSinceOrder = 0;
        registerState = RegisterState::Empty;
        g.carsInLine += 1;
        QueueSound(SoundEvent::OrderAnswered);
    }

    if (KeyPressedOnceWhen(keys, Key::Shift, Latch::RegisterShift, registerState == RegisterState::CarWaiting)) {
        registerState = RegisterState::OnHold;
        day.stats.customerPutOnHold = true;
        QueueSound(SoundEvent::CarOnHold);
    }

    if (KeyPressedOnce(keys, Key::End, Latch::RegisterEnd)) {
        if (g.orderOpen)
            QueueSound(SoundEvent::OrderClosed);
        g.orderOpen = false;
        if (g.currentReceipt != nullptr)
            g.currentReceipt->timeTaken = g.gameClock;
        g.orderPrompt = false;
        g.currentReceipt = nullptr;
    }

    const bool receiptOpen = g.orderOpen && g.currentReceipt != nullptr;
    if (KeyPressedOnceWhen(keys, Key::Delete, Latch::RegisterDelete, receiptOpen)) {
        deleteReceipt(g.currentReceipt);
        QueueSound(SoundEvent::ReceiptDeleted);
        g.currentReceipt = nullptr;  // the order stays open: the next item starts a new receipt
    }

    const bool lineToRemove = g.orderOpen && g.currentReceipt != nullptr && g.currentReceipt->count >= 1;
    if (KeyPressedOnceWhen(keys, Key::Backspace, Latch::RegisterBackspace, lineToRemove)) {
        removeLastLine(*g.currentReceipt);
        QueueSound(SoundEvent::LineRemoved);
    }
}

void RegisterKeys(const bool* keys)
{
    for (const MenuItemSpec& item : kMenu) {
        if (day.stats.dayNumber < item.firstDay)
            continue;  // not on sale yet: the key is not even looked at
        if (KeyPressedOnce(keys, item.registerKey, Latch::FirstItemKey << (item.number - 1)))
            keyItem(item.number);
    }
}

void keyItem(int itemNumber)
{
    if (day.kitchenQueueCount >= kKitchenQueueCapacity)
        return;
    queueCookJob(itemNumber);
    QueueSound(SoundEvent::ItemKeyed);
    if (day.orderOpen)
        addToReceipt(makeOrderItem(itemNumber));
}
