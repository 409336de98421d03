// The options screen: the four game options and which value of each is in force.
#include "screens/front_end_screens.h"

#include "model/options.h"
#include "render/toolkit.h"

namespace {

void drawHeading()
{
    const char* underline = "___________________";
    SetBlending(true);
    PrintText(220, 445, "Yellow", 5, underline);
    PrintText(220, 425, "Yellow", 5, underline);
    PrintText(220, 445, "Yellow", 2, underline);
    PrintText(220, 425, "Yellow", 2, underline);
    PrintText(220, 445, "Yellow", 5, underline);
    PrintText(220, 425, "Yellow", 5, underline);
    PrintText(220, 426, "Yellow", 2, "O  P  T  I  O  N  S");
    PrintText(220, 426, "Yellow", 5, "O  P  T  I  O  N  S");
    PrintText(220, 426, "Yellow", 2, "O  P  T  I  O  N  S");
    SetBlending(false);
}

// The value in force is bright and large, the other one grey and small.
void drawValue(const char* text, int x, int y, bool inForce)
{
    if (inForce)
        PrintText(x, y, "White", 4, text);
    else
        PrintText(x, y, "Gray50", 1, text);
}

}  // namespace

void DrawOptionsScreen(const OptionsFrame& frame)
{
    const uint8_t gameOptions = frame.gameOptions;
    DrawDrinkWallpaper(true);
    drawHeading();
    // Blending stays off: labels and values are drawn opaque over the wallpaper.
    for (const OptionRow& row : kOptionRows)
        PrintText(40, row.y, "Cyan", 1, row.label);
    for (const OptionRow& row : kOptionRows)
        PrintText(row.separatorX, row.y, "Gray75", 1, " / ");
    for (const OptionRow& row : kOptionRows) {
        const bool set = (gameOptions & row.bit) != 0;
        drawValue(row.whenSet, row.whenSetX, row.y, set);
        drawValue(row.whenClear, row.whenClearX, row.y, !set);
    }
    PrintText(8, 8, "White", 0, "Press <Bksp> to go back");
}
