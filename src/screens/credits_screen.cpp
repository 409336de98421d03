// The credits, drawn over the star field.
#include "screens/front_end_screens.h"

#include "render/toolkit.h"

#include <string>

namespace {

void drawHeading()
{
    const char* underline = "___________________";
    const char* title = "C  R  E  D  I  T  S";
    for (int pass = 0; pass < 3; ++pass) {
        // The passes alternate the two typefaces: 2 5 2, then 5 2 5, then 2 5 2.
        const int first = pass == 1 ? 5 : 2;
        const int second = pass == 1 ? 2 : 5;
        PrintText(210, 465, "Magenta", first, underline);
        PrintText(210, 446, "Magenta", second, title);
        PrintText(210, 445, "Magenta", first, underline);
    }
}

struct CreditLine {
    int y;
    const char* role;
    const char* name;  // at most 18 characters: the line starts at x 453
};

// Each name is the maker of its role: the team and its two crews wrote the game and
// its diagrams and drew its pictures in code; the customers' faces come from the
// Noto Color Emoji font. The libraries are credited in the README, the package's
// copyright file and the metainfo.
constexpr CreditLine kLines[] = {
    {360, "Graphics,Programming, & UML Diagrams", "The Quorvel team"},
    {290, "Programming & UML Diagrams", "Rules & model crew"},
    {210, "Programming & UML Diagrams", "Shell & tools crew"},
    {140, "Graphics: Tibor, Ansel, customers, bags", "Team & Noto Emoji"},
    {70, "Special Thanks", "You, for playing!"},
};
static_assert([] {
    for (const CreditLine& line : kLines)
        if (std::char_traits<char>::length(line.name) > 18)
            return false;
    return true;
}());

}  // namespace

void DrawCreditsScreen(const CreditsFrame& frame)
{
    if (frame.lighting)
        SetLighting(*frame.lighting);
    drawHeading();
    for (const CreditLine& line : kLines)
        PrintText(24, line.y, "Yellow", 1, line.role);
    for (const CreditLine& line : kLines)
        PrintText(453, line.y, "Red", 4, line.name);
    PrintText(8, 8, "White", 0, "Press <Bksp> to go back");
    PrintText(350, 8, "White", 0, "Press 'L' for pure light mode");
}
