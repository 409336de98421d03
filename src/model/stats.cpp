// The day's and the lifetime statistics records and their counters.
#include "model/game_state.h"
#include "model/stats.h"

#include <cmath>
#include <cstring>
#include <numeric>


namespace {

float readEntry(const std::vector<float>& entries, int32_t index)
{
    if (index < 0 || static_cast<size_t>(index) >= entries.size())
        return 0.0f;
    return entries[static_cast<size_t>(index)];
}

void writeEntry(std::vector<float>& entries, int32_t index, float value)
{
    // The index is the day's count of orders handed out, one per 400 frames at
    // most: the list stays small without a cap.
    if (index < 0)
        return;
    if (static_cast<size_t>(index) >= entries.size())
        entries.resize(static_cast<size_t>(index) + 1, 0.0f);
    entries[static_cast<size_t>(index)] = value;
}

template <size_t N>
int32_t sum(const std::array<int32_t, N>& counts)
{
    return std::accumulate(counts.begin(), counts.end(), int32_t{0});
}

}  // namespace

float DayStats::readOrderTime(int32_t index) const { return readEntry(orderTimes, index); }
float DayStats::readOrderAccuracy(int32_t index) const { return readEntry(orderAccuracies, index); }
void DayStats::writeOrderTime(int32_t index, float value) { writeEntry(orderTimes, index, value); }
void DayStats::writeOrderAccuracy(int32_t index, float value)
{
    writeEntry(orderAccuracies, index, value);
}

int32_t DayStats::drinksSoldCount() const { return sum(drinksSold); }
int32_t DayStats::burgersSoldCount() const { return sum(burgersSold); }
int32_t DayStats::sidesSoldCount() const { return sum(sidesSold); }
int32_t TotalStats::drinksSoldCount() const { return sum(drinksSold); }
int32_t TotalStats::burgersSoldCount() const { return sum(burgersSold); }
int32_t TotalStats::sidesSoldCount() const { return sum(sidesSold); }

void TotalStats::writeBestDayNumber(float value)
{
    // Truncates toward zero; values no int can hold are pinned rather than left undefined.
    if (std::isnan(value))
        bestDayNumber = 0;
    else if (value >= 2147483647.0f)
        bestDayNumber = INT32_MAX;
    else if (value <= -2147483648.0f)
        bestDayNumber = INT32_MIN;
    else
        bestDayNumber = static_cast<int32_t>(value);
}

void recordItemSold(const char* name)
{
    if (name == nullptr)
        return;
    for (const MenuItemSpec& item : kMenu) {
        if (std::strcmp(item.name, name) == 0) {
            soldCounter(day.stats, item) += 1;
            return;
        }
    }
}

void recordItemWasted(int itemNumber)
{
    if (const MenuItemSpec* item = MenuItemOf(itemNumber))
        wastedCounter(day.stats, *item) += 1;
}
