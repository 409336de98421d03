// Receipts, bags and waiting slots: placing, keying, bagging, handing out and deleting.
#include "model/game_state.h"

#include <gtest/gtest.h>

#include <cmath>

#include <cstring>
#include <initializer_list>

namespace {

class Orders : public ::testing::Test {
protected:
    void SetUp() override { game = GameState{}; day = DayState{}; }
    void TearDown() override { game = GameState{}; day = DayState{}; }

    // A car answered at the register: a new customer with this order, a new receipt to come.
    static void NewCustomer(std::initializer_list<int> items = {6})
    {
        Customer c;
        c.number = day.orderCounter;
        for (int item : items)
            c.order[c.count++] = makeOrderItem(item);
        day.customerQueue.push_back(c);
        day.orderCounter += 1;
        day.currentReceipt = nullptr;
    }
    // A customer whose first keyed item makes a receipt.
    static Receipt* NewOrder(int item = 6)
    {
        NewCustomer({item});
        addToReceipt(makeOrderItem(item));
        return day.currentReceipt;
    }
    static int OrderNumberIn(int slot)
    {
        const Bag& bag = slotAt(slot);
        return bag.receipt ? bag.receipt->orderNumber : -1;
    }
};

}  // namespace

TEST_F(Orders, WhenAllFiveSlotsAreTakenTheNewReceiptAndItsItemAreDropped)
{
    for (int i = 0; i < 5; ++i)
        NewOrder();
    NewCustomer({1});
    addToReceipt(makeOrderItem(1));
    EXPECT_EQ(day.currentReceipt, nullptr);
    for (int s = 0; s < 5; ++s) {
        EXPECT_EQ(OrderNumberIn(s), s + 1);
        EXPECT_EQ(slotAt(s).receipt->count, 1);
    }
    // The next item keyed tries again and finds a freed bag.
    releaseBag(0);
    addToReceipt(makeOrderItem(10));
    ASSERT_NE(day.currentReceipt, nullptr);
    EXPECT_EQ(day.currentReceipt->orderNumber, 6);
    EXPECT_EQ(day.currentReceipt->count, 1);
    EXPECT_STREQ(day.currentReceipt->lines[0].name, "Coke");
    EXPECT_EQ(day.currentReceipt->slot, 4);  // waiting slot 1: the others moved up
}

TEST_F(Orders, ADestroyedReceiptStopsBeingTheCurrentOne)
{
    // Handed out while still being keyed: keying goes on into a new receipt.
    Receipt* r = NewOrder(1);
    ASSERT_EQ(r->slot, 0);
    releaseBag(0);
    EXPECT_EQ(day.currentReceipt, nullptr);
    addToReceipt(makeOrderItem(6));
    ASSERT_NE(day.currentReceipt, nullptr);
    EXPECT_EQ(day.currentReceipt->count, 1);

    deleteReceipt(day.currentReceipt);
    EXPECT_EQ(day.currentReceipt, nullptr);
    EXPECT_TRUE(day.bags[0].free);

    NewOrder();
    clearAllSlots();
    EXPECT_EQ(day.currentReceipt, nullptr);
}
