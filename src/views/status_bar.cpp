// The status bar across the top: clock, battery, satisfaction, customer counts,
// the last service time, the view arrows and the speaker icon; it also runs the
// day's per-frame progress.
#include "views/in_game_views.h"

#include "model/game_state.h"
#include "render/toolkit.h"
#include "sim/day_clock.h"
#include "stats/stats.h"

namespace {

constexpr int kAlertOn = 57;
constexpr int kAlertOff = 58;
constexpr int kAlertHold = 59;
constexpr int kBatteryBar = 56;

const char* levelColour(float level)
{
    if (level > 50.0f) return "White";
    if (level > 25.0f) return "Yellow";
    return "Red";
}

void drawClock(const GameClock& c)
{
    const char* format = c.hours < 10.0f ? (c.minutes < 10.0f ? "0%1.0f:0%1.0f %s" : "0%1.0f:%2.0f %s")
                                         : (c.minutes < 10.0f ? "%2.0f:0%1.0f %s" : "%2.0f:%2.0f %s");
    PrintFormatted(25, 420, 1, format, c.hours, c.minutes, c.am ? "am" : "pm");
}

// A bar whose length follows the level, and the level in whole percent.
void drawLevel(float level, float barY, int textY)
{
    SetColourByName(levelColour(level));
    DrawSprite("", kBatteryBar, -0.85f, barY, level / 100.0f);
    SetBlending(true);
    PrintFormatted(175, textY, 4, "%3.0f%%", level);
    SetBlending(false);
}

}  // namespace

void StatusBar(bool& dayOver, float& headsetBattery, float& customerSatisfaction, int& registerState,
               int carsInLine)
{
    const int alert = registerState == 1 ? kAlertOn : registerState == 0 ? kAlertOff : kAlertHold;
    DrawSprite("White", alert, -2.0f, -0.75f, 0.7f);

    AdvanceDay(dayOver, headsetBattery, customerSatisfaction, registerState, carsInLine);

    SetBlending(true);
    SetColourByName("Cyan");
    drawClock(game.gameClock);

    SetBlending(false);
    PrintText(70, 463, "White", 1, "Battery: ");
    PrintText(50, 447, "White", 1, "Cust.Sat.: ");
    drawLevel(headsetBattery, 1.585f, 463);
    drawLevel(customerSatisfaction, 1.477f, 447);

    SetColourByName("White");
    const int customerNumber = game.customerQueue.empty() ? 0 : game.customersServed + 1;
    PrintFormatted(290, 463, 1, "Cust.No.:%4d", customerNumber);
    PrintFormatted(280, 447, 1, "Tot.Cust.:%4d", dayStats.customers);
    PrintText(460, 463, "White", 1, "TimePerCust.:");
    PrintFormatted(495, 447, 1, "%.1fsec", dayStats.lastOrderTime);

    DrawSprite("", 72, 0.0f, 1.4f, 10.0f);
    DrawSprite("Yellow", 54, 2.01f, 1.525f, 0.63f);
    DrawSprite("", 55, -2.01f, 1.525f, 0.63f);
}
