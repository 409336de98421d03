// Fresh game state for unit tests of the day's rules: no OpenGL, nothing
// recorded, the generator at its start.
#pragma once
#include "support/program_start.h"

#include <gtest/gtest.h>

#include <initializer_list>

class FreshGame : public ::testing::Test {
protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }
    static void Reset() { ResetToProgramStart(); }
    // A customer at the back of the queue who wants these items.
    static Customer& AddCustomer(std::initializer_list<int> items)
    {
        Customer c;
        c.number = day.orderCounter++;
        c.picture = 1;
        for (int item : items)
            c.order[c.count++] = makeOrderItem(item);
        day.customerQueue.push_back(c);
        day.carsInLine += 1;
        return day.customerQueue.back();
    }
    // The customer's receipt as keyed (a new receipt, placed in the first free slot).
    static Receipt& KeyReceipt(std::initializer_list<int> items)
    {
        day.currentReceipt = nullptr;
        for (int item : items)
            addToReceipt(makeOrderItem(item));
        Receipt& r = *day.currentReceipt;
        day.currentReceipt = nullptr;
        return r;
    }
};
