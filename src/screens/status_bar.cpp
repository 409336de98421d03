// The status bar across the top: clock, battery, satisfaction, customer counts,
// the last service time, the view arrows and the speaker icon.
#include "screens/in_game_views.h"

#include "model/pictures.h"
#include "render/toolkit.h"

namespace {

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
    DrawSprite("", Picture::BatteryPower, -0.85f, barY, level / 100.0f);
    SetBlending(true);
    PrintFormatted(175, textY, 4, "%3.0f%%", level);
    SetBlending(false);
}

}  // namespace

void DrawSpeakerIcon(RegisterState registerState)
{
    int alert = Picture::AlertHold;
    if (registerState == RegisterState::CarWaiting)
        alert = Picture::AlertOn;
    else if (registerState == RegisterState::Empty)
        alert = Picture::AlertOff;
    DrawSprite("White", alert, -2.0f, -0.75f, 0.7f);
}

void DrawStatusBar(const StatusValues& status)
{
    SetBlending(true);
    SetColourByName("Cyan");
    drawClock(status.clock);

    SetBlending(false);
    PrintText(70, 463, "White", 1, "Battery: ");
    PrintText(50, 447, "White", 1, "Cust.Sat.: ");
    drawLevel(status.battery, 1.585f, 463);
    drawLevel(status.satisfaction, 1.477f, 447);

    SetColourByName("White");
    PrintFormatted(290, 463, 1, "Cust.No.:%4d", status.customerNumber);
    PrintFormatted(280, 447, 1, "Tot.Cust.:%4d", status.totalCustomers);
    PrintText(460, 463, "White", 1, "TimePerCust.:");
    PrintFormatted(495, 447, 1, "%.1fsec", status.lastOrderTime);

    DrawSprite("", Picture::HorizontalRuleThin, 0.0f, 1.4f, 10.0f);
    DrawSprite("Yellow", Picture::NextView, 2.01f, 1.525f, 0.63f);
    DrawSprite("", Picture::PrevView, -2.01f, 1.525f, 0.63f);
}
