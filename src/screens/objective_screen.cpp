// The objective screen after New Game: the scroll that explains the game.
#include "screens/front_end_screens.h"

#include "model/pictures.h"
#include "render/toolkit.h"

namespace {

struct ScrollLine {
    int y;
    const char* colour;
    const char* text;
};

constexpr ScrollLine kLines[] = {
    {350, "Green", "You are part of a growing business that"},
    {335, "Green", "just opened at this location. As head"},
    {320, "Green", "manager, you decide how the revenue is"},
    {305, "Green", "spent each day (upgrades, etc.). However,"},
    {290, "Green", "you don't have many employees under you,"},
    {275, "Green", "so you are working drive-thru. Use keys"},
    {260, "Green", "on keyboard destinated by the register to"},
    {245, "Green", "order food, switch views with left/right"},
    {230, "Green", "arrow keys, and above all, make those"},
    {215, "Green", "customers happy!"},
    {190, "Cyan", "*If you manage to earn 1,000,000 or more*"},
    {175, "Cyan", "*in revenue, a secret will be unlocked!!*"},
    {150, "Yellow", "One other thing, if background flashes"},
    {135, "Yellow", "red, you tried to pass out the wrong order!"},
};

}  // namespace

void DrawObjectiveScreen(const ObjectiveFrame&)
{
    DrawSprite("Gray85", Picture::Scroll, 0.0f, 0.0f, 4.5f);
    SetBlending(true);
    PrintText(50, 350, "White", 1, "OBJECTIVE:");
    for (const ScrollLine& line : kLines)
        PrintText(170, line.y, line.colour, 0, line.text);
    PrintText(200, 80, "White", 1, "<press ENTER to continue>");
    SetBlending(false);
}
