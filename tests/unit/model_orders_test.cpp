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

TEST_F(Orders, KeyingAddsLinesAndBackspaceTakesTheLastAway)
{
    NewCustomer({1, 6, 10});
    for (int item : {1, 6, 10})
        addToReceipt(makeOrderItem(item));
    ASSERT_NE(day.currentReceipt, nullptr);
    Receipt& r = *day.currentReceipt;
    EXPECT_EQ(r.count, 3);
    EXPECT_FLOAT_EQ(r.total, 5.20f);
    EXPECT_EQ(r.orderNumber, 1);
    EXPECT_EQ(r.timeTaken.hours, 6.0f);
    EXPECT_TRUE(r.timeTaken.am);

    removeLastLine(r);
    EXPECT_EQ(r.count, 2);
    EXPECT_FLOAT_EQ(r.total, 4.00f);
    EXPECT_STREQ(r.lines[2].name, "Coke");  // out of use, not wiped
    removeLastLine(r);
    removeLastLine(r);
    removeLastLine(r);  // nothing left to take
    EXPECT_EQ(r.count, 0);
    // Exactly nothing, not a rounding crumb that would print as "$ -0.00".
    EXPECT_EQ(r.total, 0.0f);
    EXPECT_FALSE(std::signbit(r.total));
}

TEST_F(Orders, BagsAreTakenFirstThenTheWaitingSlotsInOrder)
{
    Receipt* first = NewOrder();
    EXPECT_EQ(first->slot, 0);
    NewOrder();
    NewOrder();
    Receipt* fourth = NewOrder();
    Receipt* fifth = NewOrder();
    EXPECT_EQ(fourth->slot, 3);
    EXPECT_EQ(fifth->slot, 4);
    for (int s = 0; s < 5; ++s) {
        EXPECT_FALSE(slotAt(s).free);
        EXPECT_EQ(OrderNumberIn(s), s + 1);
    }
}

TEST_F(Orders, AFreedMiddleBagIsTakenBeforeTheWaitingSlots)
{
    NewOrder();
    NewOrder();
    NewOrder();
    releaseBag(1);
    EXPECT_TRUE(day.bags[1].free);
    Receipt* next = NewOrder();
    EXPECT_EQ(next->slot, 1);
    EXPECT_TRUE(day.waitingReceipts[0].free);
}

TEST_F(Orders, TheBagCopiesTheLatestCustomersOrder)
{
    NewCustomer({1, 6});
    NewCustomer({3, 10, 12});
    addToReceipt(makeOrderItem(3));
    const Bag& bag = day.bags[0];
    ASSERT_EQ(bag.count, 3);
    EXPECT_STREQ(bag.order[0].name, "Hamburger");
    EXPECT_STREQ(bag.order[2].name, "Orange Soda");
    EXPECT_EQ(bag.receipt->orderNumber, 2);
}

TEST_F(Orders, WithNoCustomerTheBagCopiesNoOrder)
{
    addToReceipt(makeOrderItem(6));
    ASSERT_NE(day.currentReceipt, nullptr);
    EXPECT_EQ(day.bags[0].count, 0);
    EXPECT_EQ(day.currentReceipt->orderNumber, 0);
}

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

TEST_F(Orders, ATwentySixthLineIsNotAdded)
{
    NewCustomer({1});
    for (int i = 0; i < kReceiptLines; ++i)
        addToReceipt(makeOrderItem(6));
    Receipt& r = *day.currentReceipt;
    EXPECT_EQ(r.count, 25);
    float total = r.total;
    addToReceipt(makeOrderItem(5));
    EXPECT_EQ(r.count, 25);
    EXPECT_EQ(r.total, total);
    EXPECT_STREQ(r.lines[24].name, "Fries");
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

TEST_F(Orders, ReleasingAnotherBagKeepsTheCurrentReceipt)
{
    NewOrder();
    Receipt* current = NewOrder();
    releaseBag(0);
    EXPECT_EQ(day.currentReceipt, current);
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

TEST_F(Orders, ClearAllSlotsKeepsTheKitchenFlags)
{
    NewOrder();
    NewOrder();
    day.bags[1].selected = true;
    day.bags[1].pickedUp = true;
    clearAllSlots();
    for (int s = 0; s < 5; ++s) {
        EXPECT_TRUE(slotAt(s).free);
        EXPECT_EQ(slotAt(s).receipt, nullptr);
    }
    EXPECT_TRUE(day.bags[1].selected);
    EXPECT_TRUE(day.bags[1].pickedUp);
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

TEST_F(Orders, BagCompleteNeedsAReceipt)
{
    EXPECT_FALSE(bagComplete(0));
    EXPECT_FALSE(bagComplete(-1));
    EXPECT_FALSE(bagComplete(3));
    Receipt* r = NewOrder(1);
    removeLastLine(*r);
    EXPECT_TRUE(bagComplete(0));  // a receipt without lines is complete
}
