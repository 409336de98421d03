// The credits, drawn over the star field.
#include "screens/front_end_screens.h"

#include "render/toolkit.h"

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

constexpr CreditLine kLines[] = {
    {360, "Graphics,Programming, & UML Diagrams", "The Quorvel team"},
    {290, "Programming & UML Diagrams", "SDL2, OpenGL, GLU"},
    {210, "Programming & UML Diagrams", "FreeType, HarfBuzz"},
    {140, "Graphics: Tibor, Ansel, customers, bags", "DejaVu, Noto fonts"},
    {70, "Special Thanks", "You, for playing!"},
};

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
