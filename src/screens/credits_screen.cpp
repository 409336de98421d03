// The credits over the star field, with the pure light mode.
#include "model/key_latches.h"
#include "render/toolkit.h"
#include "screens/front_end_state.h"
#include "screens/screens.h"
#include "shell/screen_flags.h"

namespace {

// Kept between visits; leaving the screen switches the lighting off but not this.
bool lightMode = false;

constexpr int kBackspace = 8;

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
    {360, "Graphics,Programming, & UML Diagrams", "Mira Okafor"},
    {290, "Programming & UML Diagrams", "Jonas Lindqvist"},
    {210, "Programming & UML Diagrams", "Priya Raman"},
    {140, "Graphics: Tibor, Ansel, customers, bags", "DejaVu, Noto fonts"},
    {70, "Special Thanks", "You, for playing!"},
};

}  // namespace

bool creditsLightMode()
{
    return lightMode;
}

void CreditsScreen(const bool* keys, bool& creditsFlag)
{
    if (keys[kBackspace]) {
        SetLighting(false);
        creditsFlag = false;
        screenFlags.titleMenuActive = true;
    }
    if (KeyPressedOnce(keys, 'L', Latch::CreditsL)) {
        lightMode = !lightMode;
        // With Backspace in the same frame the screen is being left: the rest
        // of the game must not be drawn lit.
        SetLighting(lightMode && creditsFlag);
    }

    drawHeading();
    for (const CreditLine& line : kLines)
        PrintText(24, line.y, "Yellow", 1, line.role);
    for (const CreditLine& line : kLines)
        PrintText(453, line.y, "Red", 4, line.name);
    PrintText(8, 8, "White", 0, "Press <Bksp> to go back");
    PrintText(350, 8, "White", 0, "Press 'L' for pure light mode");
}
