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

TEST_F(Orders, HandingOutMovesTheWaitingReceiptsUp)
{
    for (int i = 0; i < 5; ++i)
        NewOrder(6 + (i % 4));
    day.waitingReceipts[1].accuracy = 42.0f;
    day.waitingReceipts[1].selected = true;

    releaseBag(1);
    EXPECT_EQ(OrderNumberIn(1), 4);
    EXPECT_EQ(day.bags[1].receipt->slot, 1);
    EXPECT_EQ(day.bags[1].count, 1);
    EXPECT_STREQ(day.bags[1].order[0].name, "Onion Rings");
    EXPECT_FALSE(day.bags[1].free);

    EXPECT_EQ(OrderNumberIn(3), 5);
    EXPECT_EQ(day.waitingReceipts[0].receipt->slot, 3);
    EXPECT_STREQ(day.waitingReceipts[0].order[0].name, "Fries");
    EXPECT_EQ(day.waitingReceipts[0].accuracy, 42.0f);  // the whole slot moves
    EXPECT_TRUE(day.waitingReceipts[0].selected);
    EXPECT_TRUE(day.waitingReceipts[1].free);
    EXPECT_EQ(day.waitingReceipts[1].receipt, nullptr);

    releaseBag(0);
    EXPECT_EQ(OrderNumberIn(0), 5);
    EXPECT_TRUE(day.waitingReceipts[0].free);
    EXPECT_TRUE(day.waitingReceipts[1].free);

    releaseBag(2);
    EXPECT_TRUE(day.bags[2].free);
    releaseBag(-1);  // no such bag
    releaseBag(3);
    EXPECT_EQ(OrderNumberIn(0), 5);
}

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

TEST_F(Orders, DeleteFreesTheSlotTheReceiptNames)
{
    NewOrder();
    NewOrder();
    NewOrder();
    Receipt* waiting = NewOrder();
    ASSERT_EQ(waiting->slot, 3);
    deleteReceipt(waiting);
    EXPECT_TRUE(day.waitingReceipts[0].free);
    EXPECT_EQ(day.waitingReceipts[0].receipt, nullptr);
    EXPECT_FALSE(day.bags[2].free);

    Receipt stray;  // held by no slot
    deleteReceipt(&stray);
    deleteReceipt(nullptr);
    EXPECT_FALSE(day.bags[0].free);
}

TEST_F(Orders, ItemsAreBaggedOneLineAtATimeInLineOrder)
{
    NewCustomer({3, 6, 3});
    for (int item : {3, 6, 3})
        addToReceipt(makeOrderItem(item));
    Receipt& r = *day.currentReceipt;

    EXPECT_FALSE(bagComplete(0));
    EXPECT_TRUE(bagItemOnReceipt(r, "Hamburger"));
    EXPECT_TRUE(r.lines[0].bagged);
    EXPECT_FALSE(r.lines[2].bagged);
    EXPECT_TRUE(bagItemOnReceipt(r, "Hamburger"));
    EXPECT_TRUE(r.lines[2].bagged);
    EXPECT_FALSE(bagItemOnReceipt(r, "Hamburger"));  // a third one fits no line
    EXPECT_FALSE(bagItemOnReceipt(r, "hamburger"));
    EXPECT_FALSE(bagItemOnReceipt(r, nullptr));
    EXPECT_FALSE(bagComplete(0));
    EXPECT_TRUE(bagItemOnReceipt(r, "Fries"));
    EXPECT_TRUE(bagComplete(0));

    // Lines out of use are not bagged.
    removeLastLine(r);
    removeLastLine(r);
    EXPECT_FALSE(bagItemOnReceipt(r, "Fries"));
}
