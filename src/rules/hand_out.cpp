// Handing out at the window: the car's turn, grading an order, the red flash for
// a wrong car, throwing away a bag no car will take, and waving on a car that
// has nothing to be handed.
#include "rules/hand_out.h"

#include "model/game_state.h"
#include "model/key_codes.h"
#include "model/key_latches.h"
#include "model/sound_events.h"
#include "model/stats.h"

#include <cstdlib>
#include <cstring>

namespace {

constexpr float kWrongCarPenalty = 5.0f;
constexpr float kServiceTimeDivisor = 250.0f;  // game seconds to the seconds shown

float timePart(float t)
{
    if (t <= 15.0f) return 0.0f;
    if (t <= 20.0f) return 0.1f;
    if (t <= 25.0f) return 0.15f;
    if (t <= 30.0f) return 0.2f;
    if (t <= 35.0f) return 0.3f;
    if (t <= 50.0f) return 0.4f;
    return 0.5f;
}

float accuracyPart(float a)
{
    if (a >= 95.0f) return 0.0f;
    if (a >= 90.0f) return 0.1f;
    if (a >= 85.0f) return 0.15f;
    if (a >= 80.0f) return 0.2f;
    if (a >= 75.0f) return 0.3f;
    if (a >= 50.0f) return 0.4f;
    return 0.5f;
}

int pickedUpBag()
{
    for (int b = 0; b < kBagCount; ++b)
        if (day.bags[b].pickedUp)
            return b;
    return -1;
}

void waveOnCar()
{
    day.customersServed += 1;
    day.carsInLine -= 1;
    game.customerSatisfaction -= kWrongCarPenalty;
    QueueSound(SoundEvent::CarWavedOn);
}

}  // namespace

float SatisfactionPenalty(float serviceTime, float accuracy)
{
    return timePart(serviceTime) + accuracyPart(accuracy);
}

void HandOutViewStep()
{
    if (day.framesSinceWrongBag < kRedFlashFrames)
        day.framesSinceWrongBag += 1;
    const int b = pickedUpBag();
    if (b >= 0 && !day.bags[b].receipt)
        day.bags[b].pickedUp = false;  // its receipt was deleted at the register
}

void HandOutControl(const bool* keys)
{
    DayState& g = day;
    if (!KeyPressedOnce(keys, Key::Enter, Latch::Enter))
        return;
    const int b = pickedUpBag();
    if (b < 0) {
        if (CarAtWindowWithoutReceipt())
            waveOnCar();
        return;
    }
    Bag& bag = g.bags[b];
    if (!bag.receipt) {  // put back by the window view already; kept safe here too
        bag.pickedUp = false;
        return;
    }
    if (PickedUpBagForServedCar()) {
        // Kept, it would hold its bag all day and the line could never empty.
        bag.pickedUp = false;
        releaseBag(b);
    } else if (bag.receipt->orderNumber - 1 == g.customersServed) {
        bag.pickedUp = false;
        GradeOrder(b);
        const bool delighted = SatisfactionPenalty(g.stats.lastOrderTime, bag.accuracy) == 0.0f;
        QueueSound(delighted ? SoundEvent::CustomerDelighted : SoundEvent::CustomerHappy);
        releaseBag(b);
        g.customersServed += 1;
        g.carsInLine -= 1;
    } else {
        game.customerSatisfaction -= kWrongCarPenalty;
        g.framesSinceWrongBag = 0;
        QueueSound(SoundEvent::WrongBag);
        bag.pickedUp = false;  // the bag stays in the kitchen with its receipt
    }
}

void GradeOrder(int b)
{
    DayStats& d = day.stats;
    if (!day.bags[b].receipt)
        return;
    Receipt& receipt = *day.bags[b].receipt;

    receipt.timeServed = day.gameClock;
    const float seconds = DurationSeconds(elapsedTime(receipt.timeServed, receipt.timeTaken));
    const float t = seconds / kServiceTimeDivisor;
    d.writeOrderTime(d.orderIndex, t);
    d.lastOrderTime = t;

    const float accuracy = computeAccuracy(b);
    d.writeOrderAccuracy(d.orderIndex, accuracy);

    for (int i = 0; i < receipt.count; ++i)
        recordItemSold(receipt.lines[i].name);
    d.revenue += receipt.total;
    d.ordersServed += 1;
    if (receipt.count > d.biggestOrderItems) {
        d.biggestOrderItems = receipt.count;
        d.biggestOrder = receipt;
    }
    if (t < d.fastestOrder || d.fastestOrder == 0.0f)
        d.fastestOrder = t;
    d.orderIndex += 1;

    game.customerSatisfaction -= SatisfactionPenalty(d.lastOrderTime, accuracy);
}

float computeAccuracy(int b)
{
    Bag& bag = day.bags[b];
    if (!bag.receipt)
        return bag.accuracy;
    const Receipt& receipt = *bag.receipt;

    float accuracy = 100.0f;
    for (OrderItem& line : bag.order)
        line.matched = false;
    accuracy -= static_cast<float>(10 * std::abs(receipt.count - bag.count));

    // Only the first n lines of each side take part; extra lines cost only the 10 above.
    const int n = receipt.count < bag.count ? receipt.count : bag.count;
    for (int i = 0; i < n; ++i) {
        bool found = false;
        for (int j = 0; j < n && !found; ++j) {
            OrderItem& wanted = bag.order[j];
            if (!wanted.matched && std::strcmp(wanted.name, receipt.lines[i].name) == 0) {
                wanted.matched = true;
                found = true;
            }
        }
        if (!found)
            accuracy -= 5.0f;
    }
    if (accuracy < 0.0f)
        accuracy = 0.0f;
    bag.accuracy = accuracy;
    return accuracy;
}
