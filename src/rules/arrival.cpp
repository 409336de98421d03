// Cars at the speaker, taking an order, and the headset's garbling of what is said.
#include "rules/arrival.h"

#include "model/catalogue.h"
#include "model/random.h"
#include "model/sound_events.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kMaxCarsInLine = 5;
constexpr int kFramesBetweenCars = 400;
constexpr int kMaxOrderItems = 10;

// The menu mix by day: the first item whose bound reaches a draw of 1..100 is
// ordered; 0 means not ordered yet. Columns: days 1-2, 3, 4, 5, 6, 7, 8, 9, 10 on.
struct MixRow {
    int item;
    int bound[9];
};
constexpr MixRow kMenuMix[] = {
    {1, {5, 4, 4, 3, 3, 3, 3, 3, 4}},          // Megaburger
    {2, {15, 12, 11, 8, 7, 7, 7, 8, 9}},       // Cheeseburger
    {3, {30, 25, 23, 15, 13, 13, 12, 14, 15}},  // Hamburger
    {4, {0, 0, 0, 24, 20, 19, 16, 18, 19}},     // Fish Sandwich
    {5, {0, 0, 0, 0, 0, 0, 22, 23, 23}},        // Chicken Sandwich
    {13, {40, 35, 33, 34, 29, 27, 30, 31, 31}},  // Pepsi
    {10, {50, 45, 43, 44, 38, 35, 38, 39, 39}},  // Coke
    {12, {60, 55, 53, 54, 47, 43, 46, 47, 47}},  // Orange Soda
    {11, {70, 65, 63, 64, 56, 51, 54, 55, 55}},  // Grape Soda
    {14, {0, 80, 75, 74, 65, 59, 62, 63, 63}},   // Root Beer
    {15, {0, 0, 0, 0, 78, 69, 70, 71, 71}},      // Lemonade
    {7, {75, 87, 81, 81, 84, 74, 76, 77, 77}},   // Cheese Sticks
    {8, {0, 0, 92, 89, 90, 80, 82, 84, 84}},     // Tator Tots
    {9, {0, 0, 0, 0, 0, 91, 91, 91, 91}},        // Onion Rings
    {6, {100, 100, 100, 100, 100, 100, 100, 100, 100}},  // Fries
};

int mixColumn(int dayNumber)
{
    return std::clamp(dayNumber - 2, 0, 8);
}

}  // namespace

float arrivalFactor(float customerSatisfaction, int dayNumber)
{
    float factor = customerSatisfaction / (65.0f / (static_cast<float>(dayNumber) / 2.0f));
    return factor < 1.0f ? 1.0f : factor;
}

void SpeakerStep(RegisterState& registerState, float& customerSatisfaction, int carsInLine)
{
    if (registerState != RegisterState::Empty) {
        const float drain = registerState == RegisterState::CarWaiting ? 0.002f : 0.001f;
        if (customerSatisfaction > 0.0f)
            customerSatisfaction -= drain;
        else
            customerSatisfaction = 0.0f;
        return;
    }
    const int r = rnd(1500) + 1;
    const float factor = arrivalFactor(customerSatisfaction, day.stats.dayNumber);
    if (factor * 1.2f >= static_cast<float>(r) && day.framesSinceOrder >= kFramesBetweenCars &&
        carsInLine < kMaxCarsInLine && !DriveThruClosed(day.gameClock)) {
        registerState = RegisterState::CarWaiting;
        QueueSound(SoundEvent::CarAtSpeaker);
    }
}

void takeOrder(float headsetBattery)
{
    Customer customer;
    customer.number = day.orderCounter;
    day.orderCounter += 1;

    customer.picture = rnd(13) + 1;
    while (!day.customerQueue.empty() && customer.picture == day.customerQueue.back().picture)
        customer.picture = rnd(13) + 1;

    // A day number no real day has (a damaged saved game) still gives at least one item.
    const int sizes = std::max(day.stats.dayNumber + 2, 1);
    customer.count = std::min(rnd(sizes) + 1, kMaxOrderItems);
    for (int i = 0; i < customer.count; ++i)
        customer.order[i] = randomOrderItem(headsetBattery);

    day.customerQueue.push_back(customer);
    day.stats.customers += 1;
}

OrderItem randomOrderItem(float headsetBattery)
{
    const int r = rnd(100) + 1;
    const int column = mixColumn(day.stats.dayNumber);
    int item = 6;
    for (const MixRow& row : kMenuMix) {
        if (row.bound[column] >= r) {
            item = row.item;
            break;
        }
    }
    OrderItem line = makeOrderItem(item);
    const std::string heard = garbleText(headsetBattery, line.name);
    std::strncpy(line.name, heard.c_str(), sizeof line.name - 1);
    return line;
}

std::string garbleText(float headsetBattery, const char* text)
{
    std::string heard;
    if (text == nullptr)
        return heard;
    for (const char* c = text; *c != '\0'; ++c) {
        const int r = rnd(100) + 1;
        heard.push_back(headsetBattery * 1.2f >= static_cast<float>(r) ? *c : ' ');
    }
    return heard;
}

void CountSpokenOrderFrame()
{
    if (day.framesSinceOrder < kSpokenOrderFrames)
        day.framesSinceOrder += 1;
}
