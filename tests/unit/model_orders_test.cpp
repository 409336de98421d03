// A receipt destroyed while it is still being keyed stops being the current one.
#include "support/day_state.h"

class Orders : public FreshGame {};

TEST_F(Orders, ADestroyedReceiptStopsBeingTheCurrentOne)
{
    // Handed out while still being keyed: keying goes on into a new receipt.
    AddCustomer({1});
    const Receipt& r = KeyReceipt({1});
    ASSERT_EQ(r.slot, 0);
    day.currentReceipt = slotAt(0).receipt.get();
    releaseBag(0);
    EXPECT_EQ(day.currentReceipt, nullptr);
    addToReceipt(makeOrderItem(6));
    ASSERT_NE(day.currentReceipt, nullptr);
    EXPECT_EQ(day.currentReceipt->count, 1);

    deleteReceipt(day.currentReceipt);
    EXPECT_EQ(day.currentReceipt, nullptr);
    EXPECT_TRUE(day.bags[0].free);

    AddCustomer({6});
    day.currentReceipt = &KeyReceipt({6});
    clearAllSlots();
    EXPECT_EQ(day.currentReceipt, nullptr);
}
